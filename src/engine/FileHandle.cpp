#include "engine/FileHandle.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

FileHandle::FileHandle(int fd, std::string path)
    : m_fd(fd)
    , m_path(std::move(path)) {}

FileHandle::~FileHandle() {
    close();
}

FileHandle::FileHandle(FileHandle&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
    , m_path(std::move(other.m_path)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        close();
        m_fd = std::exchange(other.m_fd, -1);
        m_path = std::move(other.m_path);
    }
    return *this;
}

int FileHandle::close() {
    if (m_fd < 0)
        return 0;
    // Linux releases the descriptor even when close fails, so it is never retried.
    const int result = ::close(std::exchange(m_fd, -1));
    return result == 0 ? 0 : errno;
}

int openForReading(const std::string& path, FileHandle& handle) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    handle = FileHandle(fd, path);
    posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return 0;
}

std::string withTrailingSlash(const std::string& folder) {
    if (!folder.empty() && folder.back() == '/')
        return folder;
    return folder + '/';
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
