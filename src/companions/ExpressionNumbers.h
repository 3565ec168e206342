#pragma once

#include "companions/ExpressionSettings.h"

#include <QChar>
#include <QString>

// Conversions between leaf texts, values and result texts.

// The value of a leaf: the names x, a, b, c, d, pi and e (any case) stand for their values, the
// decimal symbol in use (and with convertAllColonsAndDots every ",") reads as ".", and the
// leading number of the text counts; a text without one is 0. Throws ExpressionError when the
// number is too large for a value.
long double StrToLongDouble(const QString& text, const ExpressionSettings& settings);

// The value with settings.precision decimals, trailing zeros and a lone decimal symbol removed:
// 0.33333333, 2.5, 100, -0.25, 0.
QString LongDoubleToStr(long double value, const ExpressionSettings& settings);

// Cuts the run of "0" that ends the decimals of a text and then a decimal symbol left at the
// end; puts "0" before a leading decimal symbol. Zeros before the decimal symbol stay.
QString EntferneNullenUndPunkte(const QString& text, QChar decimalSymbol);

// Remainder of a truncating division, its sign that of a: 7 mod 3 = 1, -7 mod 3 = -1,
// 7.5 mod 2 = 1.5; 0 when b is 0.
long double modl(long double a, long double b);
