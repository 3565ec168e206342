#include "ParcelonRunner.h"

#include <QProcess>
#include <cerrno>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const QString Program = QStringLiteral(PARCELON_BINARY_DIR "/parcelon");

} // namespace

ParcelonRun RunParcelon(const QString& folder, const QStringList& args) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(Program, args);
    process.closeWriteChannel();
    ParcelonRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

ParcelonRun RunParcelonOnTerminal(const QString& folder, const QStringList& args, const TerminalDriver& onOutput) {
    std::vector<QByteArray> arguments{Program.toLocal8Bit()};
    for (const QString& arg : args)
        arguments.push_back(arg.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& arg : arguments)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const QByteArray directory = folder.toLocal8Bit();

    int terminal = -1;
    const pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (pid == 0) {
        if (::chdir(directory.constData()) == 0)
            ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ParcelonRun run;
    if (pid < 0)
        return run;
    QByteArray shown;
    for (;;) {
        pollfd wait{terminal, POLLIN, 0};
        if (::poll(&wait, 1, 60000) <= 0)
            break;
        char buffer[4096];
        const ssize_t got = ::read(terminal, buffer, sizeof buffer);
        if (got <= 0)
            break; // the program has ended and closed the terminal
        shown.append(buffer, got);
        const QByteArray typed = onOutput(QString::fromUtf8(shown), pid);
        if (!typed.isEmpty() && ::write(terminal, typed.constData(), static_cast<size_t>(typed.size())) < 0)
            break;
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::close(terminal);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = QString::fromUtf8(shown);
    return run;
}
