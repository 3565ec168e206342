#include "components/core/TBTimeCalc.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct ManualClock {
    std::int64_t now = 0;
    TBTimeCalc::Clock clock() {
        return [this] { return now; };
    }
};

} // namespace

TEST(TBTimeCalc, GetTimeStringShowsHoursMinutesSeconds) {
    const struct {
        std::int64_t seconds;
        const char* text;
    } cases[] = {
        {0, "00:00:00"},
        {59, "00:00:59"},
        {60, "00:01:00"},
        {3599, "00:59:59"},
        {3600, "01:00:00"},
        {3725, "01:02:05"},
        {360000, "100:00:00"},
        {-7, "00:00:00"},
        {-3725, "00:00:00"},
        {86399, "23:59:59"},
        {9000000000LL, "2500000:00:00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TBTimeCalc::GetTimeString(c.seconds), QString::fromLatin1(c.text)) << c.seconds;
}

TEST(TBTimeCalc, GetTimeIntProjectsTheRemainingSeconds) {
    const struct {
        std::int64_t position;
        std::int64_t maxPosition;
        std::int64_t elapsedMs;
        std::int64_t remaining;
    } cases[] = {
        {0, 1000, 0, 0},        // right after Start
        {0, 1000, 4500, -4},    // nothing done yet: minus the whole seconds elapsed
        {500, 1000, 10000, 10}, // half done after 10 s
        {1000, 1000, 10000, 0}, // done
        {250, 1000, 10999, 30}, // partial seconds are dropped before projecting
        {1, 3, 1000, 2},        // quotient drops its remainder: 3*1/1 - 1
        {-5, 1000, 7000, -7},   // a negative position counts as nothing done
        // 700 000 thousand bytes after more than 3067 s passed 32 bits; 2^62 bytes after a day passes 64.
        {350000, 700000, 4000000, 4000},
        {std::int64_t{1} << 61, std::int64_t{1} << 62, 86400000, 86400},
    };
    for (const auto& c : cases) {
        ManualClock time{1000000};
        TBTimeCalc calc(time.clock());
        calc.Start();
        calc.Position = c.position;
        calc.MaxPosition = c.maxPosition;
        time.now += c.elapsedMs;
        EXPECT_EQ(calc.GetTimeInt(), c.remaining) << c.position << "/" << c.maxPosition << " after " << c.elapsedMs;
    }
}

TEST(TBTimeCalc, EstimatesSaturateAndRestartWithStart) {
    ManualClock time{5000};
    TBTimeCalc calc(time.clock());
    calc.Start();
    calc.Position = 1;
    calc.MaxPosition = std::numeric_limits<std::int64_t>::max();
    time.now += 10000;
    EXPECT_EQ(calc.GetTimeInt(), std::numeric_limits<std::int64_t>::max());

    // A new Start measures from now; Reset measures from the clock's zero.
    calc.Position = calc.MaxPosition = 10;
    calc.Start();
    time.now += 3000;
    EXPECT_EQ(calc.GetTimeInt(), 0);
    calc.Position = 0;
    EXPECT_EQ(calc.GetTimeInt(), -3);
    calc.Reset();
    EXPECT_EQ(calc.GetTimeInt(), -(time.now / 1000));
}

TEST(TBTimeCalc, DefaultClockIsMonotonicMilliseconds) {
    TBTimeCalc calc;
    calc.Start();
    calc.Position = 0;
    EXPECT_LE(calc.GetTimeInt(), 0);
    EXPECT_GT(calc.GetTimeInt(), -2);
}
