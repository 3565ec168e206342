#pragma once

#include <QChar>
#include <QString>

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
