#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Runs the built `parcelon` in a folder and collects what it said.
struct ParcelonRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// stdin, stdout and stderr are pipes, as in a script.
ParcelonRun RunParcelon(const QString& folder, const QStringList& args);

// stdin and stderr are a terminal. `onOutput` sees the terminal's text so far each time more
// arrives and returns what to type next ("" for nothing); `pid` lets it signal the program.
using TerminalDriver = std::function<QByteArray(const QString& shown, int pid)>;
ParcelonRun RunParcelonOnTerminal(const QString& folder, const QStringList& args, const TerminalDriver& onOutput);
