#pragma once

#include "components/core/TBTimeCalc.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <cstdint>

// Where the progress display writes: the window's progress bar, status panels, title and caption.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;

    // The bar's range is 0..maximum; the display scales 64-bit totals into it.
    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressValue(int value) = 0;
    virtual void setPercentText(const QString& text) = 0;   // status panel 2
    virtual void setRemainingText(const QString& text) = 0; // status panel 3
    virtual void setApplicationTitle(const QString& text) = 0;
    virtual void setWindowCaption(const QString& text) = 0;
};

// Shows how far a copy has come, from a byte counter the copying thread adds to. Ticks every
// 500 ms between start() and finish(); the copy itself does no display work.
class ProgressDisplay : public QObject {
    Q_OBJECT

public:
    ProgressDisplay(const std::atomic<std::int64_t>& byteCounter, ProgressSink& sink, TBTimeCalc::Clock clock = {},
                    QObject* parent = nullptr);

    // Sets the bar's range for totalBytes, starts the time estimate and the ticks.
    void start(std::int64_t totalBytes);
    // Stops the ticks and empties the bar. The idle texts are the window's to restore.
    void finish();
    bool isRunning() const { return m_timer.isActive(); }

    // One update from the counter: bar, percentage, remaining time, title and caption.
    void tick();

    // 100 x done / total, at most 100; 0 for an empty total.
    static int percentDone(std::int64_t done, std::int64_t total);

    static constexpr int TickMilliseconds = 500;

private:
    const std::atomic<std::int64_t>& m_byteCounter;
    ProgressSink& m_sink;
    TBTimeCalc m_timeCalc;
    QTimer m_timer;
    std::int64_t m_total = 0;
    int m_barShift = 0; // bits dropped so the bar's range fits 32 bits
};
