#pragma once

#include "engine/JoinJournal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Why an interrupted join cannot be resumed.
enum class ResumeProblem {
    None,
    JournalUnreadable,  // the journal beside the output cannot be read
    OtherParts,         // the parts asked for are not the rest of the interrupted join
    OutputChanged,      // the output is missing, replaced, or shorter than the deleted parts
    PartChanged,        // a part still to be joined is missing or has another size (problemPath)
    DeletedPartDamaged, // the output's bytes of a deleted part do not match its checksum (problemPath)
};

struct JoinResumePoint {
    JoinJournal journal;
    std::size_t firstToCopy = 0; // index into journal.parts
    std::int64_t bytesKept = 0;  // the output's first bytes: the parts before firstToCopy
};

struct ResumeCheck {
    std::optional<JoinResumePoint> point; // a journal was found, and resuming is safe
    ResumeProblem problem = ResumeProblem::None;
    std::string problemPath;
    std::vector<std::string> deletedParts; // as the journal names them, whenever it could be read
};

// Looks for the journal of an interrupted join into `outputPath`. The request matches when the
// parts asked for, leaving out those the journal records as deleted (a list may still show them,
// a glob no longer finds them), are the journal's other parts in the same order. Nothing is
// changed here. No journal: neither a point nor a problem.
ResumeCheck checkResume(const std::vector<std::string>& requestedParts, const std::string& outputPath);
