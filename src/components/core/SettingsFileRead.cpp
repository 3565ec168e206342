#include "components/core/SettingsFileRead.h"

#include "engine/FileHandle.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

SettingsFileRead unreadable(int systemError) {
    SettingsFileRead result;
    result.state = SettingsFileRead::State::Unreadable;
    result.systemReason = QString::fromLocal8Bit(std::strerror(systemError));
    return result;
}

SettingsFileRead notRegular() {
    SettingsFileRead result;
    result.state = SettingsFileRead::State::NotRegularFile;
    return result;
}

} // namespace

SettingsFileRead readSettingsFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0) {
        // A dangling link is no settings file yet either; a link loop is one that cannot be read.
        return errno == ENOENT || errno == ENOTDIR ? SettingsFileRead{} : unreadable(errno);
    }
    if (!S_ISREG(status.st_mode))
        return notRegular();
    // Non-blocking, so that a FIFO put in its place since the stat cannot hang us either.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT ? SettingsFileRead{} : unreadable(errno);
    const FileHandle file(fd, path.toStdString());
    if (::fstat(fd, &status) != 0)
        return unreadable(errno);
    if (!S_ISREG(status.st_mode))
        return notRegular();
    SettingsFileRead result;
    result.state = SettingsFileRead::State::Read;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count == 0)
            return result;
        if (count < 0 && errno != EINTR)
            return unreadable(errno);
        if (count > 0)
            result.bytes.append(buffer, count);
    }
}
