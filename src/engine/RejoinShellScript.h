#pragma once

#include "engine/RejoinScriptTexts.h"

#include <string>
#include <vector>

struct RejoinScriptOptions {
    bool deleteParts = true;  // the script deletes the parts after rebuilding the file
    bool deleteItself = true; // the script deletes itself at its end
    RejoinScriptTexts texts;
};

// A POSIX sh script that rebuilds `sourceName` from the parts in its own folder: it checks that
// every part is there, concatenates them into a temporary file in that folder, checks it against
// the last line of sourceName.sha256 (the original's checksum) when that file and sha256sum or
// shasum are there, and only then renames it to sourceName and deletes as the options say. Any
// failure removes the temporary file, deletes nothing else and exits 1. Every name is
// single-quoted, so any name works.
std::string rejoinShellScript(const RejoinScriptOptions& options, const std::vector<std::string>& partNames,
                              const std::string& sourceName);

// Name of the script for a source: sourceName + ".sh".
std::string rejoinScriptFileName(const std::string& sourceName);
