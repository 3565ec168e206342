#pragma once

#include "companions/BParser.h"

#include <QObject>
#include <QString>

// The expression engine as a component with properties. After CreateTree the Expression
// property holds the cleaned-up text it was built from.
class TBParser : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString ErgebnisString READ ergebnisString)
    Q_PROPERTY(QString Expression READ expression WRITE setExpression)
    Q_PROPERTY(QString X READ x WRITE setX)
    Q_PROPERTY(QString A READ a WRITE setA)
    Q_PROPERTY(QString B READ b WRITE setB)
    Q_PROPERTY(QString C READ c WRITE setC)
    Q_PROPERTY(QString D READ d WRITE setD)
    Q_PROPERTY(QString OverwriteDecimalSymbol READ overwriteDecimalSymbol WRITE setOverwriteDecimalSymbol)
    Q_PROPERTY(int Precision READ precision WRITE setPrecision)
    Q_PROPERTY(bool ConvertAllColonsAndDots READ convertAllColonsAndDots WRITE setConvertAllColonsAndDots)
public:
    explicit TBParser(QObject* parent = nullptr);

    QString ergebnisString() const { return m_engine.ergebnisString(); }
    QString expression() const { return m_expression; }
    void setExpression(const QString& expression) { m_expression = expression; }
    QString x() const { return m_engine.settings().x; }
    void setX(const QString& value) { m_engine.settings().x = value; }
    QString a() const { return m_engine.settings().a; }
    void setA(const QString& value) { m_engine.settings().a = value; }
    QString b() const { return m_engine.settings().b; }
    void setB(const QString& value) { m_engine.settings().b = value; }
    QString c() const { return m_engine.settings().c; }
    void setC(const QString& value) { m_engine.settings().c = value; }
    QString d() const { return m_engine.settings().d; }
    void setD(const QString& value) { m_engine.settings().d = value; }
    QString overwriteDecimalSymbol() const { return m_engine.settings().overwriteDecimalSymbol; }
    void setOverwriteDecimalSymbol(const QString& symbol) { m_engine.settings().overwriteDecimalSymbol = symbol; }
    int precision() const { return m_engine.settings().precision; }
    void setPrecision(int digits) { m_engine.settings().precision = digits; }
    bool convertAllColonsAndDots() const { return m_engine.settings().convertAllColonsAndDots; }
    void setConvertAllColonsAndDots(bool on) { m_engine.settings().convertAllColonsAndDots = on; }

    // True when the expression was turned into a tree; Evaluate only after a true result.
    bool CreateTree();
    // Why the last CreateTree failed for a text too long or a tree too deep to build; empty otherwise.
    const QString& treeError() const { return m_engine.treeError(); }
    // The value for X and A to D; sets ErgebnisString. Throws ExpressionError.
    long double Evaluate() { return m_engine.Evaluate(); }

private:
    QString m_expression;
    BParser m_engine;
};
