#include "app/operations/ProgressDisplay.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

struct RecordingSink : ProgressSink {
    int maximum = -1;
    int value = -1;
    QString percent, remaining, title, caption;

    void setProgressMaximum(int m) override { maximum = m; }
    void setProgressValue(int v) override { value = v; }
    void setPercentText(const QString& text) override { percent = text; }
    void setRemainingText(const QString& text) override { remaining = text; }
    void setApplicationTitle(const QString& text) override { title = text; }
    void setWindowCaption(const QString& text) override { caption = text; }
};

struct ProgressRig {
    std::atomic<std::int64_t> counter{0};
    std::int64_t now = 50000;
    RecordingSink sink;
    ProgressDisplay display{counter, sink, [this] { return now; }};
};

constexpr std::int64_t Int64Max = std::numeric_limits<std::int64_t>::max();

} // namespace

TEST(ProgressDisplay, TickWritesBarPercentTimeTitleAndCaption) {
    const struct {
        std::int64_t total;
        std::int64_t done;
        std::int64_t elapsedMs;
        int barMaximum;
        int barValue;
        const char* percent;
        const char* remaining;
    } cases[] = {
        {1000000, 500000, 10000, 1000000, 500000, "50%", "00:00:10"},
        {1000000, 250000, 60000, 1000000, 250000, "25%", "00:03:00"},
        {1000000, 1000000, 7000, 1000000, 1000000, "100%", "00:00:00"},
        {1000000, 0, 3000, 1000000, 0, "0%", "00:00:00"},
        {5000, 999, 8000, 5000, 999, "19%", "00:00:00"}, // under 1000 bytes no estimate yet
        {150, 150, 1000, 150, 150, "100%", "00:00:00"},  // not 150 %
        {150, 151, 1000, 150, 150, "100%", "00:00:00"},  // one read past the end: the bar stays full
        {99, 50, 1000, 99, 50, "50%", "00:00:00"},       // not 0 % for small totals
        {0, 0, 1000, 0, 0, "0%", "00:00:00"},
        // 64-bit totals: the bar's range is scaled to fit 32 bits, the percentage is not.
        {10LL << 30, 5LL << 30, 100000, 1342177280, 671088640, "50%", "00:01:40"},
        {Int64Max, Int64Max / 2, 0, std::numeric_limits<int>::max(), 1073741823, "49%", "00:00:00"},
    };
    for (const auto& c : cases) {
        ProgressRig rig;
        rig.display.start(c.total);
        rig.counter = c.done;
        rig.now += c.elapsedMs;
        rig.display.tick();
        const QString label = QStringLiteral("%1 of %2").arg(c.done).arg(c.total);
        EXPECT_EQ(rig.sink.maximum, c.barMaximum) << qPrintable(label);
        EXPECT_EQ(rig.sink.value, c.barValue) << qPrintable(label);
        EXPECT_EQ(rig.sink.percent, QString::fromLatin1(c.percent)) << qPrintable(label);
        EXPECT_EQ(rig.sink.remaining, QString::fromLatin1(c.remaining)) << qPrintable(label);
        EXPECT_EQ(rig.sink.title, QString::fromLatin1(c.percent) + "  [" + c.remaining + "]") << qPrintable(label);
        EXPECT_EQ(rig.sink.caption, "Brimvale Parcelon 1.4 - " + QString::fromLatin1(c.percent)) << qPrintable(label);
    }
}

TEST(ProgressDisplay, RunsFromStartToFinishAndEmptiesTheBar) {
    ProgressRig rig;
    EXPECT_FALSE(rig.display.isRunning());
    rig.counter = 777;
    rig.display.start(2000);
    EXPECT_TRUE(rig.display.isRunning());
    EXPECT_EQ(rig.sink.value, 0);
    rig.counter = 1500;
    rig.now += 3000;
    rig.display.tick();
    EXPECT_EQ(rig.sink.percent, u"75%");
    EXPECT_EQ(rig.sink.remaining, u"00:00:03"); // 2 / 1 of 3 s, minus the 3 s gone

    rig.display.finish();
    EXPECT_FALSE(rig.display.isRunning());
    EXPECT_EQ(rig.sink.value, 0);
    EXPECT_EQ(rig.sink.percent, u"75%"); // the window's updater restores the idle texts

    // A second run measures its time from its own start.
    rig.display.start(4000);
    rig.counter = 2000;
    rig.now += 10000;
    rig.display.tick();
    EXPECT_EQ(rig.sink.remaining, u"00:00:10");
}
