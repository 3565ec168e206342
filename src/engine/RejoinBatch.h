#pragma once

#include "engine/RejoinBatchTexts.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Name of the intermediate file of group `group`: "1.tmp", "2.tmp", ...
std::string TempFileName(std::int64_t group);

// The longest line cmd.exe reads whole; a longer one is cut and its command fails.
constexpr std::size_t MaxBatchLineLength = 8191;

// The rejoin commands of the batch file (UTF-8, lines separated by CR LF, no break at the end).
// The text begins with a line break, so that an empty line precedes the first copy command.
// Up to `groupSize` parts: one "copy /b" of all parts into `sourceName`. More: one copy per group
// of `groupSize` into TempFileName(g), then the copy of the intermediate files into `sourceName`,
// then their deletion in reverse order. When that copy would be longer than MaxBatchLineLength,
// the intermediate files are grouped the same way into further ones until it fits. With
// `deleteParts`, an empty line and one "del" per part.
// Every name is quoted; a "%" in a name is doubled so that cmd.exe keeps it.
std::string BuildRejoinCommands(std::size_t groupSize, const std::vector<std::string>& partNames,
                                const std::string& sourceName, bool deleteParts);

struct RejoinBatchOptions {
    bool deleteParts = true;  // the batch deletes the parts after rebuilding the file
    bool deleteItself = true; // the batch deletes itself at its end
    RejoinBatchTexts texts;
};

// Why a name cannot stand in a batch file.
enum class UnsafeNameReason {
    None,
    QuotationMark,    // '"' would end the quoting of the name
    Wildcard,         // '*' or '?' would make a command act on other files
    Backslash,        // '\\' would be read as a folder separator
    ControlCharacter, // a line break, a tab or another control character
    CodePage,         // a character code page 850 lacks, or bytes that are not UTF-8
};

UnsafeNameReason unsafeNameReason(std::string_view name);

// The whole batch file as code page 850 bytes, or the name that cannot be written safely.
struct RejoinBatchText {
    std::string bytes;      // empty when unsafeName is set
    std::string unsafeName; // the first name (source first, then the parts) that cannot stand in it
    UnsafeNameReason unsafeReason = UnsafeNameReason::None;
};

// Banner, "pause", then a check that every part exists (when one is missing the batch names it,
// copies nothing, deletes nothing and ends), then the commands of BuildRejoinCommands(10, ...),
// each copy followed by a check of its result (when one failed the batch names the step, removes
// the intermediate files written so far, deletes no part and not itself, waits for a key and
// ends) and, with deleteItself, the "del" of the batch file itself as the last line.
RejoinBatchText rejoinBatchText(const RejoinBatchOptions& options, const std::vector<std::string>& partNames,
                                const std::string& sourceName);

// Name of the batch file for a source: sourceName + ".bat".
std::string rejoinBatchFileName(const std::string& sourceName);

// What became of the batch file after a split.
struct RejoinBatchResult {
    enum class Status {
        NotRequested, // no batch file was asked for, or the split did not complete
        Written,      // written next to the parts
        UnsafeName,   // not written: `unsafeName` cannot be put into a batch file safely
    };
    Status status = Status::NotRequested;
    std::string unsafeName;
    UnsafeNameReason unsafeReason = UnsafeNameReason::None;
};
