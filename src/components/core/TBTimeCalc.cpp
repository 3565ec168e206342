#include "components/core/TBTimeCalc.h"

#include <chrono>
#include <limits>

namespace {

std::int64_t steadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

QString twoDigits(std::int64_t value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

TBTimeCalc::TBTimeCalc(Clock clock)
    : m_clock(clock ? std::move(clock) : Clock(steadyMilliseconds)) {}

void TBTimeCalc::Start() {
    m_startTime = m_clock();
}

void TBTimeCalc::Reset() {
    m_startTime = 0;
}

std::int64_t TBTimeCalc::GetTimeInt() const {
    const std::int64_t elapsed = (m_clock() - m_startTime) / 1000;
    // Byte totals times seconds pass 63 bits on long runs, so the estimate is formed in 128 bits.
    __int128 remaining = -static_cast<__int128>(elapsed);
    if (Position > 0)
        remaining += static_cast<__int128>(MaxPosition) * elapsed / Position;
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    constexpr auto min = std::numeric_limits<std::int64_t>::min();
    return remaining > max ? max : remaining < min ? min : static_cast<std::int64_t>(remaining);
}

QString TBTimeCalc::GetTimeString(std::int64_t seconds) {
    std::int64_t hours = 0;
    std::int64_t minutes = 0;
    std::int64_t rest = seconds;
    if (rest >= 3600) {
        hours = rest / 3600;
        rest %= 3600;
    }
    if (rest >= 60) {
        minutes = rest / 60;
        rest %= 60;
    }
    const auto shown = [](std::int64_t value) { return twoDigits(value < 0 ? 0 : value); };
    return shown(hours) + u':' + shown(minutes) + u':' + shown(rest);
}
