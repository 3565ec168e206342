#include "app/operations/ProgressDisplay.h"

#include "components/core/ProgramIdentity.h"

#include <algorithm>
#include <limits>

ProgressDisplay::ProgressDisplay(const std::atomic<std::int64_t>& byteCounter, ProgressSink& sink,
                                 TBTimeCalc::Clock clock, QObject* parent)
    : QObject(parent)
    , m_byteCounter(byteCounter)
    , m_sink(sink)
    , m_timeCalc(std::move(clock)) {
    m_timer.setInterval(TickMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &ProgressDisplay::tick);
}

void ProgressDisplay::start(std::int64_t totalBytes) {
    m_total = std::max<std::int64_t>(totalBytes, 0);
    m_barShift = 0;
    while ((m_total >> m_barShift) > std::numeric_limits<int>::max())
        ++m_barShift;
    m_sink.setProgressMaximum(static_cast<int>(m_total >> m_barShift));
    m_sink.setProgressValue(0);
    m_timeCalc.MaxPosition = m_total / 1000;
    m_timeCalc.Position = 0;
    m_timeCalc.Start();
    m_timer.start();
}

void ProgressDisplay::finish() {
    m_timer.stop();
    m_sink.setProgressValue(0);
}

int ProgressDisplay::percentDone(std::int64_t done, std::int64_t total) {
    if (total <= 0 || done <= 0)
        return 0;
    return static_cast<int>(std::min<__int128>(static_cast<__int128>(done) * 100 / total, 100));
}

void ProgressDisplay::tick() {
    const std::int64_t done = m_byteCounter.load(std::memory_order_relaxed);
    // A split counts its last read past the end; the bar then stays full.
    m_sink.setProgressValue(static_cast<int>(std::clamp<std::int64_t>(done, 0, m_total) >> m_barShift));
    const QString percent = QString::number(percentDone(done, m_total));
    m_timeCalc.Position = done / 1000;
    const QString remaining = TBTimeCalc::GetTimeString(m_timeCalc.GetTimeInt());
    m_sink.setRemainingText(remaining);
    m_sink.setPercentText(percent + u'%');
    m_sink.setApplicationTitle(percent + QStringLiteral("%  [") + remaining + u']');
    m_sink.setWindowCaption(ProgramIdentity::Name + ProgramIdentity::Version + QStringLiteral(" - ") + percent + u'%');
}
