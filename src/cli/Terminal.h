#pragma once

#include <QString>
#include <optional>

bool StdinIsTerminal();
bool StderrIsTerminal();

// Writes text to stderr as it stands (UTF-8).
void WriteError(const QString& text);
// Writes text and a line break to stderr.
void PrintError(const QString& text);

// Shows the question on stderr and reads one line from stdin; nothing when the input ends or
// Ctrl+C interrupts the wait.
std::optional<QString> AskLine(const QString& question);
