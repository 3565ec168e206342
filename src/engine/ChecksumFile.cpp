#include "engine/ChecksumFile.h"

#include "engine/ChunkCopier.h"
#include "engine/FileHandle.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t DigestLength = 64;
// Far more than the lines of any split; a bigger file is read as no checksum file at all.
constexpr off_t LargestChecksumFile = off_t{64} << 20;

bool needsEscaping(const std::string& name) {
    return name.find_first_of("\\\n\r") != std::string::npos;
}

std::string escaped(const std::string& name) {
    std::string text;
    text.reserve(name.size() + 8);
    for (const char c : name) {
        if (c == '\\')
            text += "\\\\";
        else if (c == '\n')
            text += "\\n";
        else if (c == '\r')
            text += "\\r";
        else
            text += c;
    }
    return text;
}

std::optional<std::string> unescaped(std::string_view text) {
    std::string name;
    name.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            name += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        if (text[i] == '\\')
            name += '\\';
        else if (text[i] == 'n')
            name += '\n';
        else if (text[i] == 'r')
            name += '\r';
        else
            return std::nullopt;
    }
    return name;
}

std::optional<std::string> lowercaseDigest(std::string_view text) {
    std::string digest;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            digest += c;
        else if (c >= 'a' && c <= 'f')
            digest += c;
        else if (c >= 'A' && c <= 'F')
            digest += static_cast<char>(c - 'A' + 'a');
        else
            return std::nullopt;
    }
    return digest;
}

std::optional<ChecksumEntry> parseLine(std::string_view line) {
    const bool isEscaped = line.starts_with('\\');
    if (isEscaped)
        line.remove_prefix(1);
    // The digest, one blank, then a blank (text mode) or "*" (binary mode) before the name; every
    // character after that belongs to the name.
    if (line.size() < DigestLength + 3 || line[DigestLength] != ' ')
        return std::nullopt;
    const char mode = line[DigestLength + 1];
    if (mode != ' ' && mode != '*')
        return std::nullopt;
    std::optional<std::string> digest = lowercaseDigest(line.substr(0, DigestLength));
    const std::string_view rawName = line.substr(DigestLength + 2);
    if (!digest || rawName.find('\0') != std::string_view::npos)
        return std::nullopt;
    std::optional<std::string> name = isEscaped ? unescaped(rawName) : std::string(rawName);
    if (!name)
        return std::nullopt;
    return ChecksumEntry{std::move(*digest), std::move(*name)};
}

int syncFolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    FileHandle handle(fd, folder);
    // Some file systems cannot sync a folder; the rename is then as durable as they make it.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        return errno;
    return handle.close();
}

// Creates a file of its own beside `path` and writes `bytes` to it, synced. Returns 0 or the
// errno; `tempPath` names the file once it exists.
int writeNewFileBeside(const std::string& path, const std::string& bytes, std::string& tempPath) {
    for (int attempt = 0;; ++attempt) {
        tempPath = path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST && attempt < 100)
            continue;
        if (fd < 0) {
            const int error = errno;
            tempPath.clear();
            return error;
        }
        FileHandle file(fd, tempPath);
        int error = writeAll(fd, bytes.data(), static_cast<std::int64_t>(bytes.size()));
        if (error == 0 && ::fsync(fd) != 0)
            error = errno;
        const int closeError = file.close();
        return error != 0 ? error : closeError;
    }
}

} // namespace

std::string checksumReportName(const std::string& fileName) {
    return needsEscaping(fileName) ? "\\" + escaped(fileName) : fileName;
}

std::string checksumLine(const ChecksumEntry& entry) {
    if (needsEscaping(entry.fileName))
        return "\\" + entry.hexDigest + "  " + escaped(entry.fileName) + "\n";
    return entry.hexDigest + "  " + entry.fileName + "\n";
}

std::optional<std::vector<ChecksumEntry>> parseChecksumText(const std::string& text) {
    std::vector<ChecksumEntry> entries;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line(text.data() + start, end - start);
        start = end + 1;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty() || line.starts_with('#'))
            continue;
        std::optional<ChecksumEntry> entry = parseLine(line);
        if (!entry)
            return std::nullopt;
        entries.push_back(std::move(*entry));
    }
    if (entries.empty())
        return std::nullopt;
    return entries;
}

std::string checksumFilePath(const std::string& originalPath) {
    return originalPath + ".sha256";
}

int writeChecksumFile(const std::string& path, const std::vector<ChecksumEntry>& entries) {
    std::string bytes;
    for (const ChecksumEntry& entry : entries)
        bytes += checksumLine(entry);
    std::string tempPath;
    int error = writeNewFileBeside(path, bytes, tempPath);
    if (error == 0 && ::rename(tempPath.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        if (!tempPath.empty())
            ::unlink(tempPath.c_str());
        return error;
    }
    return syncFolderOf(path);
}

ChecksumFileReading readChecksumFile(const std::string& path) {
    ChecksumFileReading reading;
    FileHandle file;
    if (const int error = openForReading(path, file); error != 0) {
        reading.systemError = error;
        return reading;
    }
    struct stat status {};
    if (::fstat(file.fd(), &status) != 0) {
        reading.systemError = errno;
        return reading;
    }
    if (!S_ISREG(status.st_mode) || status.st_size > LargestChecksumFile) {
        reading.systemError = S_ISDIR(status.st_mode) ? EISDIR : 0;
        return reading;
    }
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.fd(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            reading.systemError = errno;
            return reading;
        }
        if (got == 0)
            break;
        text.append(buffer, static_cast<std::size_t>(got));
        if (text.size() > static_cast<std::size_t>(LargestChecksumFile))
            return reading;
    }
    if (const int error = file.close(); error != 0) {
        reading.systemError = error;
        return reading;
    }
    reading.entries = parseChecksumText(text);
    return reading;
}
