#include "cli/Terminal.h"

#include "cli/StopSignal.h"

#include <cerrno>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace {

void WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return; // nowhere left to report to
        data += written;
        left -= written;
    }
}

} // namespace

bool StdinIsTerminal() {
    return ::isatty(STDIN_FILENO) == 1;
}

bool StderrIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

void WriteError(const QString& text) {
    WriteAll(STDERR_FILENO, text.toUtf8());
}

void PrintError(const QString& text) {
    WriteError(text + u'\n');
}

std::optional<QString> AskLine(const QString& question) {
    WriteError(question);
    std::optional<QString> answer;
    std::string line;
    while (!StopSignalled()) {
        // Ctrl+C wakes the wait through its own descriptor, whichever thread the signal hit.
        pollfd wait[2] = {{STDIN_FILENO, POLLIN, 0}, {StopSignalDescriptor(), POLLIN, 0}};
        const int ready = ::poll(wait, 2, -1);
        if (ready < 0 && errno == EINTR)
            continue;
        char c = 0;
        if (ready < 0 || wait[1].revents != 0 || ::read(STDIN_FILENO, &c, 1) != 1)
            break; // Ctrl+C, the end of input or an unreadable terminal
        if (c == '\n') {
            answer = QString::fromUtf8(line);
            break;
        }
        line += c;
    }
    if (!answer)
        WriteError(QStringLiteral("\n"));
    return answer;
}
