#pragma once

#include <QString>
#include <cstdint>
#include <functional>

// Estimates the remaining time of an operation from the elapsed time and the fraction done.
class TBTimeCalc {
public:
    using Clock = std::function<std::int64_t()>; // milliseconds, monotonic

    explicit TBTimeCalc(Clock clock = {});

    std::int64_t Position = 0;
    std::int64_t MaxPosition = 0;

    void Start();
    void Reset();
    // Projected total duration minus elapsed, in whole seconds; may be negative.
    std::int64_t GetTimeInt() const;
    // "hh:mm:ss", hours not limited to two digits, negatives shown as 0.
    static QString GetTimeString(std::int64_t seconds);

private:
    Clock m_clock;
    std::int64_t m_startTime = 0;
};
