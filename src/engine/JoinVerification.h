#pragma once

#include "engine/PartDigests.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The checksum file a join is checked against: the parts it names, in its order, and the original.
struct JoinChecksums {
    std::string checksumPath;
    std::vector<std::string> partPaths; // in the checksum file's folder
    std::vector<std::string> partDigests;
    std::string originalPath;
    std::string originalDigest;
};

// The checksum file of a join whose first part is `firstPart`: beside it, named after the
// original ("dir/movie.avi.001" gives "dir/movie.avi.sha256").
std::string joinChecksumPathFor(const std::string& firstPart);

struct JoinChecksumsLoading {
    std::optional<JoinChecksums> checksums;
    int systemError = 0; // why it could not be read; 0 with no checksums: it is no checksum file
};

// Reads the checksum file; it must name at least one part before the original.
JoinChecksumsLoading loadJoinChecksums(const std::string& checksumPath);

// The files of `listed` that the checksum file does not name (not a part, nor the original, nor
// the checksum file itself): they are left out of the join.
std::vector<std::string> filesNotNamed(const std::vector<std::string>& listed, const JoinChecksums& checksums);

// Hashes a join's parts as the copier passes them through its digests, and checks each against
// its line, and the output against the original's.
class JoinVerifier {
public:
    explicit JoinVerifier(const JoinChecksums& checksums);

    PartDigests& digests() { return m_digests; }

    // The bytes of part `index` have all passed: true when they match its line.
    bool partMatches(std::size_t index);

    // A resumed join: the output's first bytes, read from `fd`, hold parts 0 .. ends.size()-1,
    // part i ending at ends[i]. The index of the first part that does not match, or of the part
    // whose bytes could not be read (systemError set); std::nullopt when all match.
    std::optional<std::size_t> checkOutputStart(int fd, const std::vector<std::int64_t>& ends, int& systemError);

    // After the last part: true when everything that passed matches the original.
    bool wholeMatches();

private:
    const JoinChecksums& m_checksums;
    PartDigests m_digests;
};
