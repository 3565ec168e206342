#include "engine/NumberText.h"

#include <limits>

namespace {
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

std::int64_t DecimalValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate towards the sign's side so INT64_MIN itself is reachable.
    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t min = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        const int digit = text[i] - '0';
        if (negative) {
            if (value < (min + digit) / 10)
                return min;
            value = value * 10 - digit;
        } else {
            if (value > (max - digit) / 10)
                return max;
            value = value * 10 + digit;
        }
    }
    return value;
}

bool IsInt(std::string_view text) {
    return !text.empty() && isDigit(text.front());
}

std::string GroupDigits(std::string_view decimalText) {
    std::string grouped;
    grouped.reserve(decimalText.size() + decimalText.size() / 3);
    for (std::size_t i = 0; i < decimalText.size(); ++i) {
        const std::size_t fromRight = decimalText.size() - i;
        if (i > 0 && fromRight % 3 == 0)
            grouped += '.';
        grouped += decimalText[i];
    }
    return grouped;
}
