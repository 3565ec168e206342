#include "companions/ExpressionNumbers.h"

#include "companions/ExpressionError.h"
#include "companions/NumberPrefix.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

// Each name is tested on the text as the previous substitution left it. The constants carry
// exactly these digits, whatever the precision of the value type.
QString leafValueText(const QString& text, const ExpressionSettings& settings, QChar decimalSymbol) {
    QString current = text;
    auto is = [&current](const char* name) { return current.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; };
    if (is("x"))
        current = settings.x;
    if (is("a"))
        current = settings.a;
    if (is("b"))
        current = settings.b;
    if (is("c"))
        current = settings.c;
    if (is("d"))
        current = settings.d;
    if (is("pi"))
        current = QLatin1Char('3') + decimalSymbol + QStringLiteral("1415927");
    if (is("e"))
        current = QLatin1Char('2') + decimalSymbol + QStringLiteral("7182818");
    return current;
}

} // namespace

long double StrToLongDouble(const QString& text, const ExpressionSettings& settings) {
    const QChar decimalSymbol = InitLandDot(settings.overwriteDecimalSymbol);
    QString converted = leafValueText(text, settings, decimalSymbol);
    for (QChar& c : converted) {
        if (settings.convertAllColonsAndDots && c == QLatin1Char(','))
            c = QLatin1Char('.');
        if (c == decimalSymbol)
            c = QLatin1Char('.');
    }

    const NumberPrefix prefix = ReadNumberPrefix(converted, QLatin1Char('.'));
    if (prefix.number.empty())
        return 0;
    long double value = 0;
    const auto [end, error] = std::from_chars(prefix.number.data(), prefix.number.data() + prefix.number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large is an error the user must see.
        if (prefix.negativeExponent)
            return 0;
        throw ExpressionError(converted + QStringLiteral(" kann nicht in eine Zahl umgewandelt werden! (STD)"));
    }
    return prefix.negative ? -value : value;
}

QString EntferneNullenUndPunkte(const QString& text, QChar decimalSymbol) {
    QString result = text;
    bool afterSymbol = false;
    qsizetype zeroRunStart = -1;
    for (qsizetype i = 0; i < result.size(); ++i) {
        if (result[i] == decimalSymbol) {
            afterSymbol = true;
            zeroRunStart = -1;
        } else if (afterSymbol && result[i] == QLatin1Char('0')) {
            if (zeroRunStart < 0)
                zeroRunStart = i;
        } else {
            zeroRunStart = -1;
        }
    }
    if (zeroRunStart >= 0)
        result.truncate(zeroRunStart);
    if (result.endsWith(decimalSymbol))
        result.chop(1);
    if (result.startsWith(decimalSymbol))
        result.prepend(QLatin1Char('0'));
    return result;
}

QString LongDoubleToStr(long double value, const ExpressionSettings& settings) {
    const QChar decimalSymbol = InitLandDot(settings.overwriteDecimalSymbol);
    const int precision = std::clamp(settings.precision, 0, 100);
    const double rounded = double(value);
    std::string fixed(400 + precision, '\0');
    const auto result = std::to_chars(fixed.data(), fixed.data() + fixed.size(), std::fabs(rounded),
                                      std::chars_format::fixed, precision);
    fixed.resize(result.ptr - fixed.data());

    QString text = QString::fromLatin1(fixed);
    text.replace(QLatin1Char('.'), decimalSymbol);
    text = EntferneNullenUndPunkte(text, decimalSymbol);
    // A value that rounds to zero shows as "0", never "-0".
    const bool nonZero =
        std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c > QLatin1Char('0') && c <= QLatin1Char('9'); });
    if (std::signbit(rounded) && (nonZero || !std::isfinite(rounded)))
        text.prepend(QLatin1Char('-'));
    return text;
}

long double modl(long double a, long double b) {
    if (b == 0)
        return 0;
    const long double quotient = std::trunc(a / b);
    if (!std::isfinite(quotient))
        return a;
    // Quotients within 32 bits keep a - b*q, so 1 mod 0.1 stays 0; beyond that the product
    // loses the remainder, and fmodl gives it exactly.
    if (std::fabs(quotient) < 2147483648.0L)
        return a - b * quotient;
    return std::fmod(a, b);
}
