#include "dialogs/JoinOrderMoves.h"

#include <algorithm>

namespace {
// Calls moveRun(start, end) for each run of selected entries from the top; moveRun answers
// where the scan goes on.
template <typename MoveRun>
void forEachSelectedRun(const JoinOrderEntries& entries, MoveRun moveRun) {
    qsizetype i = 0;
    while (i < entries.size()) {
        if (!entries[i].selected) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < entries.size() && entries[end].selected)
            ++end;
        i = moveRun(i, end);
    }
}
} // namespace

void moveSelectedRunsUp(JoinOrderEntries& entries) {
    forEachSelectedRun(entries, [&entries](qsizetype start, qsizetype end) {
        if (start > 0)
            std::rotate(entries.begin() + start - 1, entries.begin() + start, entries.begin() + end);
        return end;
    });
}

void moveSelectedRunsDown(JoinOrderEntries& entries) {
    forEachSelectedRun(entries, [&entries](qsizetype start, qsizetype end) {
        if (end == entries.size())
            return end;
        std::rotate(entries.begin() + start, entries.begin() + end, entries.begin() + end + 1);
        return end + 1; // past the moved run
    });
}
