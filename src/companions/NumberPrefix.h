#pragma once

#include <QChar>
#include <QString>
#include <string>

// The number a text begins with, ready for std::from_chars.
struct NumberPrefix {
    std::string number; // digits, ".", exponent; empty when the text begins with no number
    bool negative = false;
    bool negativeExponent = false;
    qsizetype end = 0; // index after the number
};

// Reads leading blanks, one sign, digits, the decimal symbol and digits (at least one digit in
// all), then an exponent ("E" or "e", a sign, digits) when digits follow its "E".
NumberPrefix ReadNumberPrefix(const QString& text, QChar decimalSymbol);
