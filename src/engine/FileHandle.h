#pragma once

#include <string>

// An open file descriptor with the path it was opened under. Closed on destruction for the error
// paths; a normal end calls close() and checks its result.
class FileHandle {
public:
    FileHandle() = default;
    FileHandle(int fd, std::string path);
    ~FileHandle();
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    int fd() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    const std::string& path() const { return m_path; }

    // 0, or the errno of a failed close. The descriptor is released either way.
    int close();

private:
    int m_fd = -1;
    std::string m_path;
};

// Opens for reading and tells the kernel the reads are sequential. Returns 0 or the errno.
int openForReading(const std::string& path, FileHandle& handle);

// The folder with a "/" at its end.
std::string withTrailingSlash(const std::string& folder);

// The part of a path after its last "/".
std::string fileNameOf(const std::string& path);
