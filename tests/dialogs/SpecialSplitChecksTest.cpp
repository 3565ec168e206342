#include "dialogs/SpecialSplitChecks.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

TEST(SpecialSplitChecks, WholeNumbersAreDigitsWithinSixtyFourBits) {
    const struct {
        const char* text;
        std::optional<std::int64_t> value;
    } cases[] = {
        {"0", 0},
        {"00100", 100},
        {"9223372036854775807", INT64_MAX},
        {"9223372036854775808", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"12a", std::nullopt},
        {"1 2", std::nullopt},
        {" 5", std::nullopt},
        {"-5", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wholeNumber(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(SpecialSplitChecks, AddablePositionLiesBeforeTheEndOfTheFile) {
    EXPECT_TRUE(isAddablePosition(u"999", u"1000"));
    EXPECT_FALSE(isAddablePosition(u"1000", u"1000"));
    EXPECT_FALSE(isAddablePosition(u"0", u"0"));
    EXPECT_FALSE(isAddablePosition(u"5", u"unknown"));
}

namespace {
QList<SpecialSplitEntry> entriesAt(std::initializer_list<const char*> positions) {
    QList<SpecialSplitEntry> entries;
    for (const char* position : positions)
        entries.append({QString::fromLatin1(position), QStringLiteral("part")});
    return entries;
}
} // namespace

TEST(SpecialSplitChecks, ProceedChecksByCountingMode) {
    using enum SpecialSplitProblem;
    constexpr auto start = SpecialSplitCounting::FromFileStart;
    constexpr auto previous = SpecialSplitCounting::FromPreviousPartEnd;
    const struct {
        std::initializer_list<const char*> positions;
        SpecialSplitCounting counting;
        const char* size;
        SpecialSplitProblem problem;
    } cases[] = {
        {{"0", "500", "300"}, start, "1000", NotAscending},
        {{"0", "300", "500"}, start, "1000", None},
        {{"5", "5"}, start, "1000", NotAscending},
        {{"0"}, start, "1000", None},
        {{"0", "12a"}, start, "1000", InvalidPosition},
        // entries made for a longer file: every position must lie before the end
        {{"100", "500"}, start, "50", PastEndOfFile},
        {{"0", "999"}, start, "1000", None},
        {{"0", "1000"}, start, "1000", PastEndOfFile},
        {{"0", "100"}, start, "", InvalidFileSize},
        {{"0", "400", "700"}, previous, "1000", PastEndOfFile},
        {{"0", "400", "599"}, previous, "1000", None},
        {{"0", "400", "600"}, previous, "1000", PastEndOfFile},
        {{"500", "0", "0"}, previous, "1000", None},
        {{"9223372036854775807", "1"}, previous, "1000", PastEndOfFile},
        {{"1 0"}, previous, "1000", InvalidPosition},
        {{"0", "100"}, previous, "", InvalidFileSize},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(checkSpecialSplitEntries(entriesAt(c.positions), c.counting, QString::fromLatin1(c.size)), c.problem)
            << *c.positions.begin() << " ... size " << c.size;
    }
}
