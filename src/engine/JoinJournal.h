#pragma once

#include "engine/FileHandle.h"

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

// What a join with the delete option leaves beside its output before it deletes the first part:
// the whole part list, and which parts are gone because their bytes are safely in the output. The
// next join into the same output reads it to resume; a complete join removes it.
struct JoinJournal {
    struct Part {
        std::string path; // normalised
        std::int64_t size = 0;
        dev_t device = 0;
        ino_t inode = 0;
        bool deleted = false;
        // Where a deleted part's bytes are in the output.
        std::int64_t outputStart = 0;
        std::int64_t outputEnd = 0;
    };
    dev_t outputDevice = 0;
    ino_t outputInode = 0;
    std::vector<Part> parts;
};

// The journal's name for an output: hidden, beside it ("dir/.movie.avi.parcelon-join").
std::string joinJournalPath(const std::string& outputPath);

enum class JournalReading { Absent, Read, Unreadable };

// Reads the journal at `journalPath`. A record cut short by a crash counts as not written.
JournalReading readJoinJournal(const std::string& journalPath, JoinJournal& journal);

// Writes a journal and records deletions in it, each durable before the caller goes on.
class JoinJournalWriter {
public:
    bool isOpen() const { return m_file.isOpen(); }
    const std::string& path() const { return m_path; }

    // A new journal: written under a temporary name, synced, renamed, and the folder synced, so
    // that the journal is either whole or absent. 0 or the errno.
    int create(const std::string& journalPath, const JoinJournal& journal);
    // An existing journal, to record more deletions. 0 or the errno.
    int reopen(const std::string& journalPath);
    struct Deletion {
        std::size_t index; // into the journal's list
        std::int64_t outputStart;
        std::int64_t outputEnd;
    };
    // Records the parts as deleted, synced. 0 or the errno.
    int recordDeleted(const std::vector<Deletion>& deletions);
    // The join is complete: the journal goes. 0 or the errno.
    int remove();

private:
    FileHandle m_file;
    std::string m_path;
};
