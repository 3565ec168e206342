#pragma once

// Ctrl+C, SIGTERM and SIGHUP ask the running operation to stop: the engine closes and keeps its
// files at the next chunk, or at once when a read or write is blocked. A second signal ends the
// program at once, should a system call hang.
void InstallStopSignal();
bool StopSignalled();
// 128 + the number of the first stop signal: 130 for Ctrl+C, 143 for SIGTERM, 129 for SIGHUP.
int StopSignalExitCode();
// Becomes readable once a stop signal came, so a wait for input can include it.
int StopSignalDescriptor();
// Threads that only display things block the stop signals, so that the signal interrupts the
// thread doing the I/O. A thread started while they are blocked inherits that.
void BlockStopSignalsInThisThread(bool block);
