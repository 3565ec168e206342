#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// Which file a path leads to once it is written: the existing file it names (links followed),
// or, for a file not there yet, the folder it would be made in (links followed) and its name.
// Two paths with equal identities write the same file ("a", "./a", "sub/../a", links).
struct OutputIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    std::string resolvedPath; // only for a file not there yet
};

OutputIdentity outputIdentityOf(const std::string& path);

// The first pair of `paths` that write the same file, as indexes (earlier, later).
std::optional<std::pair<std::size_t, std::size_t>> firstSameOutput(const std::vector<std::string>& paths);
