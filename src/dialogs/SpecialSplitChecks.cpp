#include "dialogs/SpecialSplitChecks.h"

#include <limits>

std::optional<std::int64_t> wholeNumber(QStringView text) {
    if (text.isEmpty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int digit = c.unicode() - u'0';
        if (value > (std::numeric_limits<std::int64_t>::max() - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

bool isAddablePosition(QStringView position, QStringView fileSize) {
    const auto value = wholeNumber(position);
    const auto size = wholeNumber(fileSize);
    return value && size && *value < *size;
}

namespace {
SpecialSplitProblem checkAscending(const QList<SpecialSplitEntry>& entries, QStringView fileSize) {
    std::int64_t previous = -1;
    for (const SpecialSplitEntry& entry : entries) {
        const auto position = wholeNumber(entry.position);
        if (!position)
            return SpecialSplitProblem::InvalidPosition;
        if (*position <= previous)
            return SpecialSplitProblem::NotAscending;
        previous = *position;
    }
    // Entries kept from an earlier showing may have been made for a longer file.
    const auto size = wholeNumber(fileSize);
    if (!size)
        return SpecialSplitProblem::InvalidFileSize;
    return previous < *size ? SpecialSplitProblem::None : SpecialSplitProblem::PastEndOfFile;
}

SpecialSplitProblem checkLengthsFit(const QList<SpecialSplitEntry>& entries, QStringView fileSize) {
    std::int64_t sum = 0;
    bool overflow = false;
    for (const SpecialSplitEntry& entry : entries) {
        const auto length = wholeNumber(entry.position);
        if (!length)
            return SpecialSplitProblem::InvalidPosition;
        overflow = overflow || __builtin_add_overflow(sum, *length, &sum);
    }
    const auto size = wholeNumber(fileSize);
    if (!size)
        return SpecialSplitProblem::InvalidFileSize;
    if (overflow || sum >= *size)
        return SpecialSplitProblem::PastEndOfFile;
    return SpecialSplitProblem::None;
}
} // namespace

SpecialSplitProblem checkSpecialSplitEntries(const QList<SpecialSplitEntry>& entries, SpecialSplitCounting counting,
                                             QStringView fileSize) {
    return counting == SpecialSplitCounting::FromFileStart ? checkAscending(entries, fileSize)
                                                           : checkLengthsFit(entries, fileSize);
}
