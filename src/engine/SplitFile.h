#pragma once

#include "engine/OperationHost.h"
#include "engine/OperationResult.h"
#include "engine/RejoinBatch.h"
#include "engine/RejoinShellScript.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct SplitRequest {
    std::string sourcePath;
    std::string destinationFolder; // a "/" is appended when it has none
    std::int64_t partSize = 0;     // bytes per part, at least 1
    // With a value, the rejoin batch file is written after a split that ran to its end.
    std::optional<RejoinBatchOptions> batch;
    // With a value, the rejoin shell script too (written also when the batch file cannot be).
    std::optional<RejoinScriptOptions> script;
    // An existing batch file or script is asked about like an existing part, before any part is
    // written; otherwise it is replaced without a question.
    bool askBeforeReplacingRejoinFiles = false;
    // Whether the checksum file (sourceName.sha256) is written after a split that ran to its end.
    bool checksums = false;
};

struct SplitResult : OperationResult {
    // File names (without folder) of the parts created, in order, the empty last part included;
    // also after a stop or a failure (then up to the part being written).
    std::vector<std::string> partNames;
    RejoinBatchResult batch;
    // Parts of an earlier split beyond this split's last part that were removed.
    std::int64_t stalePartsRemoved = 0;
    bool checksumFileWritten = false;
};

// Cuts the source into sourceName.001, .002, ... in the destination folder: every part holds
// exactly partSize bytes but the last, which holds the rest; when the size is an exact multiple
// of partSize the last part is empty. An existing part is asked about once
// (host.confirmOverwrite); after a Yes no more questions are asked. Before anything is written,
// every part and the batch file are checked against the source (device and inode): a part that
// is the source refuses the split. The byte counter ends at the source size + 1 (the read that
// finds the end counts). With checksums, every part and the whole source are hashed as they are
// copied, and the checksum file lists the parts in order, then the source's name; an existing
// checksum file is asked about as a part is, before the first part is written. A split that
// overwrote a part and ran to its end removes the earlier split's parts beyond its own last one
// (removeStaleParts), so the folder holds one whole set. The caller checks splitHasEnoughParts
// before calling.
SplitResult splitFile(const SplitRequest& request, OperationHost& host);
