#include "engine/PathNames.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

std::string normalisedPath(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);
    if (error)
        absolute = path;
    absolute = absolute.lexically_normal();
    const fs::path folder = fs::weakly_canonical(absolute.parent_path(), error);
    return error ? absolute.string() : (folder / absolute.filename()).string();
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

int syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int result = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return result;
}
