#pragma once

#include "engine/OperationHost.h"
#include "engine/OperationResult.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How the positions of a special split are counted.
enum class CutCounting {
    FromStart,        // each position is a byte offset from the start of the source
    FromPreviousPart, // the first is an offset; each later one is the length of the part before it
};

// One line of the special split list: a position and the file name (relative to the destination
// folder) of the part that starts there.
struct CutEntry {
    std::int64_t position = 0;
    std::string name;
};

// A part as it will be written: bytes [begin, end) of the source into `name`.
struct CutPart {
    std::string name;
    std::int64_t begin = 0;
    std::int64_t end = 0;
};

// Where each entry's part starts, in bytes from the start of the source; nothing when the lengths
// counted from the previous part add up beyond the 64-bit range.
std::optional<std::vector<std::int64_t>> cutStarts(const std::vector<CutEntry>& entries, CutCounting counting);

// The parts the entries give on a source of `sourceSize` bytes. From the start: part k holds
// [p_k, p_k+1), the last one up to the end. From the previous part: part k starts at
// p_0 + ... + p_k, so a listed length of 0 gives an empty part. A part that would start at or
// after the end of the source is left out, and so is every entry after it. Ends are clamped to
// the source size.
std::vector<CutPart> cutParts(const std::vector<CutEntry>& entries, CutCounting counting, std::int64_t sourceSize);

struct SpecialSplitRequest {
    std::string sourcePath;
    std::string destinationFolder; // a "/" is appended when it has none
    std::vector<CutEntry> entries; // at least one; positions not negative
    CutCounting counting = CutCounting::FromStart;
};

struct SpecialSplitResult : OperationResult {
    std::vector<std::string> partPaths; // full paths of the parts created, in order
};

// Writes the parts of cutParts(). The bytes before the first part are skipped by seeking but
// still counted; the byte counter ends at the source size + 1. An entry that names the source
// itself (also through a link), or two entries that name one file ("a" and "./a", links), refuse
// the whole operation before anything is written; so do lengths that add up beyond the 64-bit range. Existing
// parts are asked about once, as in splitFile.
SpecialSplitResult specialSplit(const SpecialSplitRequest& request, OperationHost& host);
