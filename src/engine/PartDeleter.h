#pragma once

#include "engine/FileHandle.h"
#include "engine/JoinFiles.h"
#include "engine/JoinJournal.h"

#include <cstdint>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <vector>

// The delete option of a join: parts wholly copied wait here until the output is synced, then go,
// each recorded in the journal first, and each only when its name still names the regular file
// that was read.
class PartDeleter {
public:
    explicit PartDeleter(std::string journalPath);

    const std::string& journalPath() const { return m_journalPath; }
    bool hasJournal() const { return m_journal.isOpen(); }
    // A resumed join records its deletions in the journal it found. 0 or the errno.
    int continueJournal() { return m_journal.reopen(m_journalPath); }

    struct Copied {
        std::size_t index; // in the join list
        std::string path;
        struct stat opened; // the part as it was opened
        std::int64_t outputStart;
        std::int64_t outputEnd;
    };
    void add(Copied part);
    std::int64_t pendingBytes() const { return m_pendingBytes; }

    // Syncs the output, writes the journal (journalContent) before the first deletion, and
    // deletes the pending parts. False when the join must end (result failed).
    bool deletePending(const FileHandle& output, const std::function<JoinJournal()>& journalContent,
                       JoinResult& result);

    // A resumed join: the parts the journal records as deleted that are still there (their removal
    // was lost in a crash) go now, if they are still the files the journal describes.
    void deleteLeftovers(const JoinJournal& journal, JoinResult& result);

    // The join is complete and its output synced and closed: the journal goes. 0 or the errno.
    int removeJournal() { return m_journal.remove(); }

private:
    // Unlinks `path` when it still is the regular file `expected` of `size` bytes; else tells why.
    void deleteIfSame(const std::string& path, dev_t device, ino_t inode, std::int64_t size, JoinResult& result,
                      std::vector<std::string>& deleted);

    std::string m_journalPath;
    JoinJournalWriter m_journal;
    std::vector<Copied> m_pending;
    std::int64_t m_pendingBytes = 0;
};
