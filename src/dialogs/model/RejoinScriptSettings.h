#pragma once

#include "engine/RejoinShellScript.h"

struct SplitSettings;

// Whether a split with these settings writes the rejoin shell script: with the batch file, when
// its own option is on.
bool WritesRejoinScript(const SplitSettings& settings);

// The script with the batch file's two delete options, telling the user what it does in the
// given language. Shared by the window and the command-line tool.
RejoinScriptOptions RejoinScriptOptionsFor(const SplitSettings& settings, int languageCode);
