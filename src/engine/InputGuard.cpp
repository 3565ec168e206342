#include "engine/InputGuard.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

void InputGuard::addInput(const std::string& path, const struct stat& status) {
    m_inputs.push_back({status.st_dev, status.st_ino, path});
}

const std::string* InputGuard::inputSameAs(const struct stat& status) const {
    for (const Input& input : m_inputs) {
        if (input.device == status.st_dev && input.inode == status.st_ino)
            return &input.path;
    }
    return nullptr;
}

const std::string* InputGuard::inputSameAs(const std::string& path) const {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return nullptr;
    return inputSameAs(status);
}

OutputOpening openOutput(const std::string& path, const InputGuard& guard, FileHandle& handle,
                         const InputGuard* written) {
    OutputOpening opening;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        opening.systemError = errno;
        return opening;
    }
    FileHandle output(fd, path);
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        opening.systemError = errno;
        return opening;
    }
    opening.sameAsInput = guard.inputSameAs(status);
    opening.sameAsWritten = written ? written->inputSameAs(status) : nullptr;
    if (opening.sameAsInput || opening.sameAsWritten)
        return opening;
    // Devices such as /dev/null cannot be truncated and need not be.
    if (S_ISREG(status.st_mode) && status.st_size > 0 && ::ftruncate(fd, 0) != 0) {
        opening.systemError = errno;
        return opening;
    }
    handle = std::move(output);
    return opening;
}

int openSource(const std::string& path, FileHandle& source, InputGuard& guard, std::int64_t& size) {
    if (const int error = openForReading(path, source); error != 0)
        return error;
    struct stat status {};
    if (::fstat(source.fd(), &status) != 0)
        return errno;
    if (S_ISDIR(status.st_mode))
        return EISDIR;
    guard.addInput(path, status);
    size = status.st_size;
    return 0;
}
