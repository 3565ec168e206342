#pragma once

// Ctrl+C asks the running operation to stop: the engine closes and keeps its files at the next
// chunk. A second Ctrl+C ends the program at once, should a system call hang.
void InstallStopSignal();
bool StopSignalled();
// For tests and for a question that was interrupted by the signal itself.
void RequestStop();
