#pragma once

#include "engine/InputGuard.h"

#include <cstdint>
#include <string>
#include <vector>

struct StalePartsRemoval {
    std::int64_t removed = 0;
    std::string failedPath; // the first file that could not be removed; empty when none
    int systemError = 0;    // its errno
};

// Removes the parts of an earlier split of `sourceName` that lie beyond `lastNumber`: regular
// files in `folder` (ending with "/") named sourceName + PartExtension(n) with n > lastNumber.
// Links, folders and anything else of such a name are left alone, and so is a file that is one
// of the guard's inputs. Stops at the first failed removal.
StalePartsRemoval removeStaleParts(const std::string& folder, const std::string& sourceName, std::int64_t lastNumber,
                                   const InputGuard& guard);

// Removes the files in `folder` of these names (an earlier split's batch file, script or checksum
// file that this split did not write anew): they describe the earlier set, and a batch file or
// checksum file of the wrong set would rebuild or condemn the wrong file. Only regular files that
// are none of the guard's inputs; stops at the first failed removal.
StalePartsRemoval removeStaleCompanions(const std::string& folder, const std::vector<std::string>& names,
                                        const InputGuard& guard);
