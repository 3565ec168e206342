#include "engine/JoinJournal.h"

#include "engine/ChunkCopier.h"
#include "engine/PathNames.h"

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view FirstLine = "parcelon join journal 1";
constexpr std::string_view JournalSuffix = ".parcelon-join";

// Names may hold any byte but NUL; a line holds one record.
std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

bool unescape(std::string_view text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        if (text[i] == '\\')
            out += '\\';
        else if (text[i] == 'n')
            out += '\n';
        else
            return false;
    }
    return true;
}

template <class Number>
bool readNumber(std::string_view& text, Number& number) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end == text.data())
        return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    if (!text.empty()) {
        if (text.front() != ' ')
            return false;
        text.remove_prefix(1);
    }
    return true;
}

bool startsWith(std::string_view& line, std::string_view word) {
    if (line.substr(0, word.size()) != word)
        return false;
    line.remove_prefix(word.size());
    return true;
}

bool readPartLine(std::string_view line, JoinJournal::Part& part) {
    return readNumber(line, part.size) && readNumber(line, part.device) && readNumber(line, part.inode) &&
           unescape(line, part.path) && !part.path.empty();
}

std::string journalText(const JoinJournal& journal) {
    std::ostringstream text;
    text << FirstLine << '\n' << "output " << journal.outputDevice << ' ' << journal.outputInode << '\n';
    for (const JoinJournal::Part& part : journal.parts)
        text << "part " << part.size << ' ' << part.device << ' ' << part.inode << ' ' << escaped(part.path) << '\n';
    text << "end\n";
    return text.str();
}

int writeAndSync(int fd, const std::string& text) {
    if (const int error = writeAll(fd, text.data(), static_cast<std::int64_t>(text.size())); error != 0)
        return error;
    return ::fdatasync(fd) == 0 ? 0 : errno;
}

} // namespace

std::string joinJournalPath(const std::string& outputPath) {
    const std::size_t slash = outputPath.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return outputPath.substr(0, nameStart) + "." + outputPath.substr(nameStart) + std::string(JournalSuffix);
}

JournalReading readJoinJournal(const std::string& journalPath, JoinJournal& journal) {
    struct stat status {};
    if (::lstat(journalPath.c_str(), &status) != 0 && errno == ENOENT)
        return JournalReading::Absent;
    if (!S_ISREG(status.st_mode))
        return JournalReading::Unreadable;
    std::ifstream file(journalPath, std::ios::binary);
    if (!file)
        return JournalReading::Unreadable;
    std::stringstream content;
    content << file.rdbuf();
    std::string text = content.str();
    if (file.bad())
        return JournalReading::Unreadable;
    // Only whole lines were written before anything was deleted.
    text.erase(text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);

    journal = {};
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line != FirstLine || !std::getline(lines, line))
        return JournalReading::Unreadable;
    std::string_view output = line;
    if (!startsWith(output, "output ") || !readNumber(output, journal.outputDevice) ||
        !readNumber(output, journal.outputInode) || !output.empty())
        return JournalReading::Unreadable;
    bool ended = false;
    while (std::getline(lines, line)) {
        std::string_view rest = line;
        if (!ended && startsWith(rest, "part ")) {
            JoinJournal::Part part;
            if (!readPartLine(rest, part))
                return JournalReading::Unreadable;
            journal.parts.push_back(std::move(part));
        } else if (!ended && line == "end") {
            ended = true;
        } else if (ended && startsWith(rest, "deleted ")) {
            std::size_t index = 0;
            std::int64_t start = 0;
            std::int64_t end = 0;
            if (!readNumber(rest, index) || !readNumber(rest, start) || !readNumber(rest, end) || !rest.empty() ||
                index >= journal.parts.size() || start < 0 || end < start)
                return JournalReading::Unreadable;
            journal.parts[index].deleted = true;
            journal.parts[index].outputStart = start;
            journal.parts[index].outputEnd = end;
        } else {
            return JournalReading::Unreadable;
        }
    }
    return ended && !journal.parts.empty() ? JournalReading::Read : JournalReading::Unreadable;
}

int JoinJournalWriter::create(const std::string& journalPath, const JoinJournal& journal) {
    const std::string temporary = journalPath + ".new";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno;
    FileHandle file(fd, journalPath);
    if (const int error = writeAndSync(fd, journalText(journal)); error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    if (::rename(temporary.c_str(), journalPath.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return error;
    }
    if (const int error = syncFolder(folderOf(journalPath)); error != 0)
        return error;
    m_file = std::move(file);
    m_path = journalPath;
    return 0;
}

int JoinJournalWriter::reopen(const std::string& journalPath) {
    const int fd = ::open(journalPath.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return errno;
    m_file = FileHandle(fd, journalPath);
    m_path = journalPath;
    return 0;
}

int JoinJournalWriter::recordDeleted(const std::vector<Deletion>& deletions) {
    std::string text;
    for (const Deletion& deletion : deletions)
        text += "deleted " + std::to_string(deletion.index) + ' ' + std::to_string(deletion.outputStart) + ' ' +
                std::to_string(deletion.outputEnd) + '\n';
    return writeAndSync(m_file.fd(), text);
}

int JoinJournalWriter::remove() {
    const int closeError = m_file.close();
    if (::unlink(m_path.c_str()) != 0)
        return errno;
    // Should the removal be lost, the next join finds a journal of a complete join: harmless.
    syncFolder(folderOf(m_path));
    return closeError;
}
