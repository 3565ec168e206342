#pragma once

// What `parcelon` returns to the shell.
enum ExitCode : int {
    ExitDone = 0,
    ExitFailed = 1,  // an I/O error, or a join that skipped a missing part
    ExitUsage = 2,   // the command line is wrong
    ExitRefused = 3, // too few parts, an existing file nobody allowed to overwrite, output = input
};
// A stop by a signal returns 128 + its number (StopSignalExitCode); the files written so far are
// closed and kept.
