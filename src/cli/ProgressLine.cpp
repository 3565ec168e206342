#include "cli/ProgressLine.h"

#include "cli/StopSignal.h"
#include "cli/Terminal.h"
#include "engine/NumberText.h"

#include <algorithm>
#include <chrono>

namespace {

constexpr auto RefreshInterval = std::chrono::milliseconds(500);

std::int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

QString Grouped(std::int64_t bytes) {
    return QString::fromStdString(GroupDigits(std::to_string(bytes)));
}

QString Speed(double bytesPerSecond) {
    static const char* const units[] = {"B/s", "KiB/s", "MiB/s", "GiB/s"};
    int unit = 0;
    while (bytesPerSecond >= 1024.0 && unit < 3) {
        bytesPerSecond /= 1024.0;
        ++unit;
    }
    return QString::number(bytesPerSecond, 'f', 1) + u' ' + QLatin1String(units[unit]);
}

} // namespace

QString ProgressLineText(const QString& currentFile, std::int64_t done, std::int64_t total, double elapsedSeconds,
                         std::int64_t remainingSeconds) {
    // The end-of-file read is counted too, so the counter may pass the total by one.
    const std::int64_t shown = std::clamp<std::int64_t>(done, 0, total);
    const std::int64_t percent = total > 0 ? shown / std::max<std::int64_t>(1, total / 100) : 100;
    QString line;
    if (!currentFile.isEmpty())
        line += currentFile + QStringLiteral("  ");
    line += QString::number(std::min<std::int64_t>(percent, 100)) + QStringLiteral("%  ");
    line += Grouped(shown) + QStringLiteral(" / ") + Grouped(total) + QStringLiteral(" Bytes  ");
    line += Speed(elapsedSeconds > 0 ? static_cast<double>(shown) / elapsedSeconds : 0.0) + QStringLiteral("  ");
    line += TBTimeCalc::GetTimeString(remainingSeconds);
    return line;
}

TerminalProgress::TerminalProgress(const std::atomic<std::int64_t>& counter, std::int64_t total, bool enabled)
    : m_counter(counter)
    , m_total(total)
    , m_enabled(enabled)
    , m_startMs(NowMs()) {
    m_estimate.MaxPosition = total / 1000;
    m_estimate.Start();
    if (m_enabled) {
        BlockStopSignalsInThisThread(true);
        m_thread = std::thread(&TerminalProgress::run, this);
        BlockStopSignalsInThisThread(false);
    }
}

TerminalProgress::~TerminalProgress() {
    if (!m_enabled)
        return;
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
    }
    m_wake.notify_all();
    m_thread.join();
    erase();
}

void TerminalProgress::setCurrentFile(const std::string& name) {
    std::lock_guard lock(m_mutex);
    m_currentFile = QString::fromStdString(name);
}

void TerminalProgress::run() {
    std::unique_lock lock(m_mutex);
    while (!m_wake.wait_for(lock, RefreshInterval, [this] { return m_finished; })) {
        if (m_pauses == 0)
            draw();
    }
}

void TerminalProgress::draw() {
    const std::int64_t done = m_counter.load(std::memory_order_relaxed);
    m_estimate.Position = done / 1000;
    const double elapsedSeconds = static_cast<double>(NowMs() - m_startMs) / 1000.0;
    const QString line = ProgressLineText(m_currentFile, done, m_total, elapsedSeconds, m_estimate.GetTimeInt());
    // Carriage return, the line, then clear whatever a longer earlier line left.
    WriteError(u'\r' + line + QStringLiteral("\x1b[K"));
    m_lineShown = true;
}

void TerminalProgress::erase() {
    if (m_lineShown)
        WriteError(QStringLiteral("\r\x1b[K"));
    m_lineShown = false;
}

TerminalProgress::Pause::Pause(TerminalProgress* display)
    : m_display(display && display->m_enabled ? display : nullptr) {
    if (!m_display)
        return;
    std::lock_guard lock(m_display->m_mutex);
    ++m_display->m_pauses;
    m_display->erase();
}

TerminalProgress::Pause::~Pause() {
    if (!m_display)
        return;
    std::lock_guard lock(m_display->m_mutex);
    --m_display->m_pauses;
}
