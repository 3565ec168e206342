#pragma once

// Ctrl+C asks the running operation to stop: the engine closes and keeps its files at the next
// chunk. A second Ctrl+C ends the program at once, should a system call hang.
void InstallStopSignal();
bool StopSignalled();
// Becomes readable once Ctrl+C was pressed, so a wait for input can include it.
int StopSignalDescriptor();
