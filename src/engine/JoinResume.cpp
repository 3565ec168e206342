#include "engine/JoinResume.h"

#include "engine/PathNames.h"

#include <algorithm>
#include <set>
#include <sys/stat.h>

namespace {

std::vector<std::string> withoutDeleted(const std::vector<std::string>& paths, const std::set<std::string>& deleted) {
    std::vector<std::string> kept;
    for (const std::string& path : paths) {
        if (!deleted.contains(path))
            kept.push_back(path);
    }
    return kept;
}

// A regular file may have been copied back under its name; a FIFO or device has no size to tell.
bool isUnchangedPart(const JoinJournal::Part& part) {
    struct stat status {};
    if (::stat(part.path.c_str(), &status) != 0)
        return false;
    if (S_ISREG(status.st_mode))
        return status.st_size == part.size;
    return status.st_dev == part.device && status.st_ino == part.inode;
}

} // namespace

ResumeCheck checkResume(const std::vector<std::string>& requestedParts, const std::string& outputPath) {
    ResumeCheck check;
    JoinJournal journal;
    switch (readJoinJournal(joinJournalPath(outputPath), journal)) {
    case JournalReading::Absent:
        return check;
    case JournalReading::Unreadable:
        check.problem = ResumeProblem::JournalUnreadable;
        return check;
    case JournalReading::Read:
        break;
    }

    std::set<std::string> deleted;
    std::vector<std::string> journalPaths;
    JoinResumePoint point;
    for (std::size_t index = 0; index < journal.parts.size(); ++index) {
        const JoinJournal::Part& part = journal.parts[index];
        journalPaths.push_back(part.path);
        if (part.deleted) {
            deleted.insert(part.path);
            check.deletedParts.push_back(part.path);
            point.firstToCopy = index + 1;
        }
    }
    std::vector<std::string> requested;
    for (const std::string& path : requestedParts)
        requested.push_back(normalisedPath(path));
    if (withoutDeleted(requested, deleted) != withoutDeleted(journalPaths, deleted)) {
        check.problem = ResumeProblem::OtherParts;
        return check;
    }

    if (point.firstToCopy > 0)
        point.bytesKept = journal.parts[point.firstToCopy - 1].outputEnd;
    struct stat output {};
    if (::lstat(outputPath.c_str(), &output) != 0 || !S_ISREG(output.st_mode) ||
        output.st_dev != journal.outputDevice || output.st_ino != journal.outputInode ||
        output.st_size < point.bytesKept) {
        check.problem = ResumeProblem::OutputChanged;
        return check;
    }
    // Parts before the resume point that were not deleted (a FIFO, a part listed twice) are not
    // read again.
    const auto firstToCopy = journal.parts.begin() + static_cast<std::ptrdiff_t>(point.firstToCopy);
    const auto changed = std::find_if(firstToCopy, journal.parts.end(),
                                      [](const JoinJournal::Part& part) { return !isUnchangedPart(part); });
    if (changed != journal.parts.end()) {
        check.problem = ResumeProblem::PartChanged;
        check.problemPath = changed->path;
        return check;
    }
    point.journal = std::move(journal);
    check.point = std::move(point);
    return check;
}
