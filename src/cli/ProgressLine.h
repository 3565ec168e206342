#pragma once

#include "components/core/TBTimeCalc.h"

#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

// "movie.avi.003  42%  1.234.567 / 2.939.000 Bytes  85.3 MiB/s  00:00:02": the file being
// written, percent done, bytes done of total, speed and the remaining time.
QString ProgressLineText(const QString& currentFile, std::int64_t done, std::int64_t total, double elapsedSeconds,
                         std::int64_t remainingSeconds);

// Shows the progress line on stderr, refreshed twice a second from the byte counter, while it
// lives. A disabled display shows nothing.
class TerminalProgress {
public:
    TerminalProgress(const std::atomic<std::int64_t>& counter, std::int64_t total, bool enabled);
    ~TerminalProgress();
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void setCurrentFile(const std::string& name);

    // While a question or a notice is written, the line is taken away and not redrawn.
    class Pause {
    public:
        explicit Pause(TerminalProgress* display); // nullptr: nothing to pause
        ~Pause();
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

    private:
        TerminalProgress* m_display;
    };

private:
    void run();
    void draw();
    void erase();

    const std::atomic<std::int64_t>& m_counter;
    const std::int64_t m_total;
    const bool m_enabled;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_finished = false;
    int m_pauses = 0;
    bool m_lineShown = false;
    QString m_currentFile;
    std::int64_t m_startMs = 0;
    TBTimeCalc m_estimate; // in thousands of bytes, as the window's display
    std::thread m_thread;
};
