#pragma once

#include "app/list/IconCache.h"

#include <QStringList>
#include <atomic>
#include <cstdint>

// The state the window shares with a running operation, one instance for the whole run.
// Busy, StopRequested and ByteCounter are read by the worker thread while the window writes
// them, hence atomics; the rest is touched by the window's thread only. The Kennzeichen counter
// belongs to the file list (FileListModel::itemCounter).
struct ProgramState {
    std::atomic<bool> Busy{false};
    std::atomic<bool> StopRequested{false};
    std::atomic<std::int64_t> ByteCounter{0};
    int SortKey = 4;

    // The file list's icons, one lookup per extension for the whole run.
    IconCache Icons;
    QStringList PartNames;
    QStringList JoinList;

    // Done when the main window closes; the lists are not used afterwards.
    void releaseLists();
};
