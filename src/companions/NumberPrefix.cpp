#include "companions/NumberPrefix.h"

namespace {

bool isDigitAt(const QString& text, qsizetype i) {
    return i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9');
}

bool isSignAt(const QString& text, qsizetype i) {
    return i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'));
}

qsizetype takeDigits(const QString& text, qsizetype& i, std::string& out) {
    const qsizetype start = i;
    for (; isDigitAt(text, i); ++i)
        out += char(text[i].unicode());
    return i - start;
}

} // namespace

NumberPrefix ReadNumberPrefix(const QString& text, QChar decimalSymbol) {
    NumberPrefix prefix;
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    if (isSignAt(text, i))
        prefix.negative = text[i++] == QLatin1Char('-');
    qsizetype mantissaDigits = takeDigits(text, i, prefix.number);
    if (i < text.size() && text[i] == decimalSymbol) {
        prefix.number += '.';
        ++i;
        mantissaDigits += takeDigits(text, i, prefix.number);
    }
    if (mantissaDigits == 0)
        return {};
    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        const qsizetype signAt = i + 1;
        const qsizetype digitsAt = isSignAt(text, signAt) ? signAt + 1 : signAt;
        if (isDigitAt(text, digitsAt)) {
            prefix.negativeExponent = text[signAt] == QLatin1Char('-');
            prefix.number += prefix.negativeExponent ? "e-" : "e";
            i = digitsAt;
            takeDigits(text, i, prefix.number);
        }
    }
    prefix.end = i;
    return prefix;
}
