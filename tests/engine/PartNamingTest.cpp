#include "engine/PartNaming.h"

#include <cstdint>
#include <gtest/gtest.h>

TEST(PartNaming, PartExtensionIsThreeDigitsUntilTheNumberNeedsMore) {
    const struct {
        std::int64_t number;
        const char* extension;
    } cases[] = {{1, ".001"},     {9, ".009"},       {10, ".010"},
                 {99, ".099"},    {100, ".100"},     {999, ".999"},
                 {1000, ".1000"}, {12345, ".12345"}, {3000000000LL, ".3000000000"}};
    for (const auto& c : cases)
        EXPECT_EQ(PartExtension(c.number), c.extension) << c.number;
}

TEST(PartNaming, LastDotSuffixIsTheTextFromTheLastDot) {
    const struct {
        const char* text;
        const char* suffix;
    } cases[] = {{"movie.avi.001", ".001"}, {"x.1000", ".1000"},    {"a123", "a123"},         {"", ""},
                 {"archive.", "."},         {".hidden", ".hidden"}, {"/home/u/a.b/c", ".b/c"}};
    for (const auto& c : cases)
        EXPECT_EQ(LastDotSuffix(c.text), c.suffix) << c.text;
}
