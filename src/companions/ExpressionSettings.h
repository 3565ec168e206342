#pragma once

#include <QChar>
#include <QString>

// What a parser's conversions read: the variable values (as text) and the number format.
struct ExpressionSettings {
    QString x;
    QString a;
    QString b;
    QString c;
    QString d;
    QString overwriteDecimalSymbol;
    int precision = 8;
    bool convertAllColonsAndDots = false;
};

// The decimal symbol in use: the first character of overwriteDecimalSymbol when it is set,
// else the decimal separator of the user's locale.
QChar InitLandDot(const QString& overwriteDecimalSymbol);
