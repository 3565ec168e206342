#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// The weakest-binding operator of a text and the operands on both sides of it.
struct ExpressionSplit {
    QString before;
    QString after;
    QString op; // empty when the text has no operator
};

// Splits at the operator that binds least, outside parentheses first: the first "-", else the
// last "+", else the last "*", "/" or "m" (so chains of them run left to right), else the first
// "^", else the first "#". Each operand loses one enclosing pair of parentheses.
ExpressionSplit SplitLowest(const QString& text);

// The same on the characters [begin, end), without copies: they are rewritten in place
// (Assiotiativitaet) and the operands are views into them. An empty op when there is no operator.
struct ExpressionSplitView {
    QStringView before;
    QStringView after;
    QChar op;
};
ExpressionSplitView splitLowestInPlace(QChar* begin, QChar* end);
