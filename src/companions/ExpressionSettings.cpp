#include "companions/ExpressionSettings.h"

#include <QLocale>

QChar InitLandDot(const QString& overwriteDecimalSymbol) {
    if (!overwriteDecimalSymbol.isEmpty())
        return overwriteDecimalSymbol.front();
    const QString separator = QLocale().decimalPoint();
    return separator.isEmpty() ? QLatin1Char('.') : separator.front();
}
