#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// Clean-up of an expression text before it is split into a tree.

// Removes every blank (" "); tabs and other white space stay.
QString EntferneLeerzeichen(const QString& text);

// Removes one pair of parentheses that encloses the whole text: "((x+1))" -> "(x+1)",
// "(a)+(b)" stays as it is.
QString EntferneKlammern(const QString& text);
QStringView withoutEnclosingParentheses(QStringView text);

// Replaces sin, cos, tan, ln, lg, abs (any case) by their codes "s#" ... "r#" and "mod" by the
// operator "m". With convertAllColonsAndDots every "." and "," becomes decimalSymbol.
QString WandleSinCosTanUm(const QString& text, bool convertAllColonsAndDots, QChar decimalSymbol);

// Outside parentheses, flips every "+" and "-" after the first "-", so that splitting at that
// first "-" gives the left-to-right value: a-b-c+d -> a-b+c-d, read as a-(b+c-d).
QString Assiotiativitaet(const QString& text);
// The same, in place on the characters [begin, end).
void flipSignsAfterFirstMinus(QChar* begin, QChar* end);
