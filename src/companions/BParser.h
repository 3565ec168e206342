#pragma once

#include "companions/ExpressionSettings.h"
#include "companions/ExpressionTree.h"

#include <QString>
#include <memory>

// Arithmetic expressions in x with the parameters a to d: set the expression, CreateTree once,
// then set the values in settings() and Evaluate as often as needed. Each parser owns its tree.
class BParser {
public:
    BParser();

    // The expression as the host wrote it; CreateTree leaves it as it is.
    const QString& expression() const { return m_expression; }
    void setExpression(const QString& expression) { m_expression = expression; }
    // The cleaned-up text the last CreateTree built its tree from ("sin(x) + 1" -> "s#(x)+1").
    const QString& workingExpression() const { return m_workingExpression; }

    ExpressionSettings& settings() { return m_settings; }
    const ExpressionSettings& settings() const { return m_settings; }

    // Replaces the tree; false when the expression is no valid expression, and the tree then
    // must not be evaluated.
    bool CreateTree();
    // Why the last CreateTree failed when the text was too long or its tree too deep to build
    // safely; empty otherwise.
    const QString& treeError() const { return m_treeError; }
    // The value for the current variable values; also sets ergebnisString(). Throws
    // ExpressionError, also for a result that is not finite (an overflow, NaN), and
    // ergebnisString() then keeps its previous text.
    long double Evaluate();
    // The last value of Evaluate, formatted with the precision and decimal symbol in use.
    const QString& ergebnisString() const { return m_ergebnisString; }

    long double StrToLongDouble(const QString& text) const;
    QString LongDoubleToStr(long double value) const;

private:
    QString m_workingExpression;
    QString m_expression;
    ExpressionSettings m_settings;
    QString m_ergebnisString;
    QString m_treeError;
    std::unique_ptr<Tree> m_root;
};
