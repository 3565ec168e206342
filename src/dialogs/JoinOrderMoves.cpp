#include "dialogs/JoinOrderMoves.h"

#include <algorithm>

namespace {
// Index just past the run of selected entries that begins at start.
qsizetype runEnd(const JoinOrderEntries& entries, qsizetype start) {
    qsizetype end = start;
    while (end < entries.size() && entries[end].selected)
        ++end;
    return end;
}
} // namespace

void moveSelectedRunsUp(JoinOrderEntries& entries) {
    qsizetype i = 0;
    while (i < entries.size()) {
        if (!entries[i].selected) {
            ++i;
            continue;
        }
        const qsizetype end = runEnd(entries, i);
        if (i > 0)
            std::rotate(entries.begin() + i - 1, entries.begin() + i, entries.begin() + end);
        i = end;
    }
}

void moveSelectedRunsDown(JoinOrderEntries& entries) {
    qsizetype i = 0;
    while (i < entries.size()) {
        if (!entries[i].selected) {
            ++i;
            continue;
        }
        const qsizetype end = runEnd(entries, i);
        if (end < entries.size()) {
            std::rotate(entries.begin() + i, entries.begin() + end, entries.begin() + end + 1);
            i = end + 1; // the scan goes on after the moved run
        } else {
            i = end;
        }
    }
}
