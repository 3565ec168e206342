#pragma once

#include "engine/OperationHost.h"
#include "engine/OperationResult.h"

#include <optional>
#include <string>
#include <vector>

// The output path of a join in `folder` ("/" appended when missing) under `name`. While a file of
// that path exists, host.existingOutput decides: Rename asks host.newOutputName and checks the new
// name again, Overwrite takes the path, Cancel gives std::nullopt. A cancelled or empty new name
// also gives std::nullopt. Nothing is written here.
std::optional<std::string> chooseJoinOutputPath(const std::string& folder, const std::string& name,
                                                OperationHost& host);

struct JoinRequest {
    std::vector<std::string> partPaths; // in join order
    std::string outputPath;
    // Delete the parts once their bytes are in the output and the output has been synced to disk
    // (synced every 64 MiB, and at the end or at a stop). No part is deleted when any part of the
    // list is missing, nor after a failure.
    bool deleteParts = false;
};

struct JoinResult : OperationResult {
    std::vector<std::string> missingParts; // entries that did not exist and were skipped
    std::vector<std::string> deletedParts;
};

// Concatenates the parts into the output (created or truncated). Before anything is written the
// output is compared with every part (device and inode, so links are caught): equal refuses the
// join. A missing part is reported (host.partMissing, after host.currentFile with its file name)
// and skipped. The byte counter counts every byte plus one per part read (its end).
JoinResult joinFiles(const JoinRequest& request, OperationHost& host);
