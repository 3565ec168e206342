#pragma once

#include "cli/CliArguments.h"

class TBReg;

// What every command needs besides its arguments.
struct CliContext {
    const CliArguments& arguments;
    const TBReg& settingsStore;
    int languageCode = 0;
    bool showProgress = false; // stderr is a terminal and -q was not given
};

// Each returns the exit code (ExitCode.h) and has told the user what went wrong, if anything.
int RunSplit(const CliContext& context);
int RunCut(const CliContext& context);
int RunJoin(const CliContext& context);
int RunVerify(const CliContext& context);
