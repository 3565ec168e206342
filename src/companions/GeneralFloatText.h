#pragma once

#include <QChar>
#include <QString>
#include <optional>

// The strict number syntax of expression literals: optional blanks, sign, digits, decimal
// symbol, digits, exponent, blanks, and nothing else. Empty when the text is no number or its
// value is out of range.
std::optional<long double> TextToFloat(const QString& text, QChar decimalSymbol);

// A value rounded to 15 significant digits in the shortest general form: fixed notation
// without trailing zeros ("2.5", "100", "0.0001"), scientific beyond that range ("1E20", "1E-5").
QString FloatToGeneralText(long double value, QChar decimalSymbol);

// True when the text is a number in exactly the form FloatToGeneralText gives it, so "2.50",
// "007", ".5" and "1E3" are not.
bool IsLongDouble(const QString& text, QChar decimalSymbol);
