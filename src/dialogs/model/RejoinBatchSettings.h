#pragma once

#include "engine/RejoinBatch.h"

struct SplitSettings;

// What the rejoin batch file is written with: the two delete options of the settings and the
// main window's texts (banner, web line, key lines) with the maker's mail address, in the
// given language. Shared by the window and the command-line tool, so both write the same file.
RejoinBatchOptions RejoinBatchOptionsFor(const SplitSettings& settings, int languageCode);
