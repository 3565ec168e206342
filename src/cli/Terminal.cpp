#include "cli/Terminal.h"

#include <cerrno>
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
    std::string line;
    for (;;) {
        char c = 0;
        const ssize_t got = ::read(STDIN_FILENO, &c, 1);
        if (got <= 0) {
            WriteError(QStringLiteral("\n"));
            return std::nullopt; // end of input, an error, or Ctrl+C (no restart)
        }
        if (c == '\n')
            return QString::fromUtf8(line);
        line += c;
    }
}
