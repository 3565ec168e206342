#include "engine/PartDeleter.h"

#include "engine/OperationErrors.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

PartDeleter::PartDeleter(std::string journalPath)
    : m_journalPath(std::move(journalPath)) {}

void PartDeleter::add(Copied part) {
    m_pendingBytes += part.outputEnd - part.outputStart;
    m_pending.push_back(std::move(part));
}

bool PartDeleter::deletePending(const FileHandle& output, const std::function<JoinJournal()>& journalContent,
                                JoinResult& result) {
    if (m_pending.empty())
        return true;
    if (::fsync(output.fd()) != 0) {
        failWith(result, output.path(), errno);
        return false;
    }
    if (!m_journal.isOpen()) {
        if (const int error = m_journal.create(m_journalPath, journalContent()); error != 0) {
            failWith(result, m_journalPath, error);
            return false;
        }
    }
    std::vector<JoinJournalWriter::Deletion> deletions;
    for (const Copied& part : m_pending)
        deletions.push_back({part.index, part.outputStart, part.outputEnd});
    if (const int error = m_journal.recordDeleted(deletions); error != 0) {
        failWith(result, m_journalPath, error);
        return false;
    }
    for (const Copied& part : m_pending)
        deleteIfSame(part.path, part.opened.st_dev, part.opened.st_ino, part.outputEnd - part.outputStart, result,
                     result.deletedParts);
    m_pending.clear();
    m_pendingBytes = 0;
    return true;
}

void PartDeleter::deleteLeftovers(const JoinJournal& journal, JoinResult& result) {
    std::vector<std::string> deleted;
    for (const JoinJournal::Part& part : journal.parts) {
        struct stat status {};
        if (part.deleted && ::lstat(part.path.c_str(), &status) == 0)
            deleteIfSame(part.path, part.device, part.inode, part.size, result, deleted);
    }
}

void PartDeleter::deleteIfSame(const std::string& path, dev_t device, ino_t inode, std::int64_t size,
                               JoinResult& result, std::vector<std::string>& deleted) {
    struct stat now {};
    if (::lstat(path.c_str(), &now) != 0) {
        result.partsLeft.push_back({path, PartLeft::Why::SystemError, errno});
        return;
    }
    if (!S_ISREG(now.st_mode)) {
        result.partsLeft.push_back({path, PartLeft::Why::NotRegularFile, 0});
        return;
    }
    // Another file moved onto the name, or bytes appended after the read, would be lost.
    if (now.st_dev != device || now.st_ino != inode || now.st_size != size) {
        result.partsLeft.push_back({path, PartLeft::Why::NotTheFileRead, 0});
        return;
    }
    if (::unlink(path.c_str()) != 0) {
        result.partsLeft.push_back({path, PartLeft::Why::SystemError, errno});
        return;
    }
    deleted.push_back(path);
}
