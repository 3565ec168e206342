#pragma once

#include <optional>
#include <string>
#include <vector>

// One line of a checksum file in the text format of GNU sha256sum.
struct ChecksumEntry {
    std::string hexDigest; // 64 lowercase hex digits
    std::string fileName;  // as the line names it, unescaped
};

// "<digest>  <name>\n". A name holding a backslash, newline or carriage return is escaped as
// sha256sum escapes it: the line starts with a backslash and those characters become "\\",
// "\n" and "\r".
std::string checksumLine(const ChecksumEntry& entry);

// The name as sha256sum shows it in its reports: with "\\", "\n" and "\r" and a backslash
// before it when it holds one of those characters, so that every report line is one line.
std::string checksumReportName(const std::string& fileName);

// The entries of a checksum file's text, in order; std::nullopt when a line is not a checksum
// line (comment lines starting with "#" and empty lines aside) or no line is. Accepts what
// sha256sum writes: escaped names, the "*" binary marker, CR LF line ends, uppercase digits.
std::optional<std::vector<ChecksumEntry>> parseChecksumText(const std::string& text);

// The checksum file that belongs to an original: its path with ".sha256" appended.
std::string checksumFilePath(const std::string& originalPath);

// Writes the entries to `path` safely: into a new file beside it, synced, then renamed over
// `path`, so that a failure never leaves a half-written checksum file. Returns 0 or the errno.
int writeChecksumFile(const std::string& path, const std::vector<ChecksumEntry>& entries);

struct ChecksumFileReading {
    int systemError = 0; // errno when the file could not be read
    // The entries; std::nullopt when the file was read but is no checksum file.
    std::optional<std::vector<ChecksumEntry>> entries;
};

ChecksumFileReading readChecksumFile(const std::string& path);
