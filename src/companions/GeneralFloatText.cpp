#include "companions/GeneralFloatText.h"

#include "companions/NumberPrefix.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// Significant digits never exceed what a double shows reliably.
constexpr int significantDigits = 15;

} // namespace

std::optional<long double> TextToFloat(const QString& text, QChar decimalSymbol) {
    const NumberPrefix prefix = ReadNumberPrefix(text, decimalSymbol);
    if (prefix.number.empty())
        return std::nullopt;
    for (qsizetype i = prefix.end; i < text.size(); ++i) {
        if (!text[i].isSpace())
            return std::nullopt;
    }
    long double value = 0;
    const auto [end, error] = std::from_chars(prefix.number.data(), prefix.number.data() + prefix.number.size(), value);
    if (error != std::errc())
        return std::nullopt;
    return prefix.negative ? -value : value;
}

QString FloatToGeneralText(long double value, QChar decimalSymbol) {
    if (value == 0)
        return QStringLiteral("0");
    if (!std::isfinite(value))
        return std::isnan(value) ? QStringLiteral("NAN") : value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific,
                                      significantDigits - 1);
    const std::string scientific(buffer, result.ptr);
    // "d.dddddddddddddde+XX": the digits, then the power of ten of the first one.
    const std::size_t ePos = scientific.find('e');
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, ePos - 2);
    const int power = std::stoi(scientific.substr(ePos + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    // Digits before the decimal symbol in fixed notation.
    const int exponent = power + 1;
    QString text = value < 0 ? QStringLiteral("-") : QString();
    if (exponent > significantDigits || exponent < -3) {
        text += QLatin1Char(digits[0]);
        if (digits.size() > 1)
            text += decimalSymbol + QString::fromLatin1(digits.substr(1));
        text += QLatin1Char('E');
        if (power < 0)
            text += QLatin1Char('-');
        text += QString::number(std::abs(power));
    } else if (exponent > 0) {
        if (digits.size() < std::size_t(exponent))
            digits.append(std::size_t(exponent) - digits.size(), '0');
        text += QString::fromLatin1(digits.substr(0, exponent));
        if (digits.size() > std::size_t(exponent))
            text += decimalSymbol + QString::fromLatin1(digits.substr(exponent));
    } else {
        text += QLatin1Char('0') + decimalSymbol + QString(-exponent, QLatin1Char('0')) + QString::fromLatin1(digits);
    }
    return text;
}

bool IsLongDouble(const QString& text, QChar decimalSymbol) {
    const std::optional<long double> value = TextToFloat(text, decimalSymbol);
    return value && FloatToGeneralText(*value, decimalSymbol) == text;
}
