#include "engine/NumberText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace {
constexpr std::int64_t Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t Min = std::numeric_limits<std::int64_t>::min();
} // namespace

TEST(NumberText, DecimalValueReadsTheLeadingNumber) {
    const struct {
        const char* text;
        std::int64_t value;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"1457664", 1457664},
        {"  42", 42},
        {"+7", 7},
        {"-15", -15},
        {"12abc", 12},
        {"1.44", 1},
        {"007", 7},
        {"+-3", 0},
        {"- 3", 0},
        {"\t5", 0},
        {"-", 0},
        {"2147483648", 2147483648LL},
        {"9223372036854775807", Max},
        {"-9223372036854775808", Min},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecimalValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, DecimalValueSaturatesInsteadOfWrapping) {
    const struct {
        const char* text;
        std::int64_t value;
    } cases[] = {
        {"9223372036854775808", Max},          {"-9223372036854775809", Min}, {"99999999999999999999999999", Max},
        {"-99999999999999999999999999x", Min}, {"18446744073709551626", Max}, // 2^64 + 10 would wrap to 10
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecimalValue(c.text), c.value) << c.text;
}

TEST(NumberText, IsIntLooksOnlyAtTheFirstCharacter) {
    const struct {
        const char* text;
        bool isInt;
    } cases[] = {{"", false},   {"+1", false}, {"-5", false},  {" 5", false},
                 {"007", true}, {"9x", true},  {"12abc", true}};
    for (const auto& c : cases)
        EXPECT_EQ(IsInt(c.text), c.isInt) << '"' << c.text << '"';
}

TEST(NumberText, GroupDigitsPutsADotBeforeEveryThirdDigitFromTheRight) {
    const struct {
        const char* text;
        const char* grouped;
    } cases[] = {{"", ""},
                 {"7", "7"},
                 {"100", "100"},
                 {"1000", "1.000"},
                 {"65536", "65.536"},
                 {"1457664", "1.457.664"},
                 {"123456789", "123.456.789"}};
    for (const auto& c : cases)
        EXPECT_EQ(GroupDigits(c.text), c.grouped) << c.text;
}
