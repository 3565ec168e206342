#include "engine/JoinVerification.h"

#include "engine/ChecksumFile.h"
#include "engine/JoinRecognition.h"
#include "engine/PathNames.h"

#include <algorithm>
#include <cerrno>
#include <set>
#include <unistd.h>

namespace {

// The path up to and with its last "/"; empty for a bare name, so that names stay as given.
std::string folderPrefix(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

std::string joinChecksumPathFor(const std::string& firstPart) {
    return checksumFilePath(folderPrefix(firstPart) + defaultJoinOutputName(firstPart));
}

JoinChecksumsLoading loadJoinChecksums(const std::string& checksumPath) {
    JoinChecksumsLoading loading;
    const ChecksumFileReading reading = readChecksumFile(checksumPath);
    loading.systemError = reading.systemError;
    if (!reading.entries || reading.entries->size() < 2)
        return loading;
    const std::string folder = folderPrefix(checksumPath);
    JoinChecksums checksums;
    checksums.checksumPath = checksumPath;
    for (std::size_t index = 0; index + 1 < reading.entries->size(); ++index) {
        checksums.partPaths.push_back(folder + (*reading.entries)[index].fileName);
        checksums.partDigests.push_back((*reading.entries)[index].hexDigest);
    }
    checksums.originalPath = folder + reading.entries->back().fileName;
    checksums.originalDigest = reading.entries->back().hexDigest;
    loading.checksums = std::move(checksums);
    return loading;
}

std::vector<std::string> filesNotNamed(const std::vector<std::string>& listed, const JoinChecksums& checksums) {
    std::set<std::string> named{normalisedPath(checksums.checksumPath), normalisedPath(checksums.originalPath)};
    for (const std::string& part : checksums.partPaths)
        named.insert(normalisedPath(part));
    std::vector<std::string> notNamed;
    std::copy_if(listed.begin(), listed.end(), std::back_inserter(notNamed),
                 [&](const std::string& path) { return !named.contains(normalisedPath(path)); });
    return notNamed;
}

JoinVerifier::JoinVerifier(const JoinChecksums& checksums)
    : m_checksums(checksums) {}

bool JoinVerifier::partMatches(std::size_t index) {
    m_digests.endPart();
    const std::optional<std::string> digest = m_digests.partDigest(index);
    return digest && index < m_checksums.partDigests.size() && *digest == m_checksums.partDigests[index];
}

std::optional<std::size_t> JoinVerifier::checkOutputStart(int fd, const std::vector<std::int64_t>& ends,
                                                          int& systemError) {
    std::int64_t offset = 0;
    for (std::size_t index = 0; index < ends.size(); ++index) {
        while (offset < ends[index]) {
            char* buffer = m_digests.nextBuffer();
            if (!buffer) {
                systemError = ENOMEM;
                return index;
            }
            const std::size_t wanted =
                static_cast<std::size_t>(std::min<std::int64_t>(PartDigests::BufferSize, ends[index] - offset));
            const ssize_t got = ::pread(fd, buffer, wanted, offset);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0) {
                systemError = got < 0 ? errno : EIO; // the output ended early: it has changed
                return index;
            }
            m_digests.add(static_cast<std::size_t>(got));
            offset += got;
        }
        if (!partMatches(index))
            return index;
    }
    return std::nullopt;
}

bool JoinVerifier::wholeMatches() {
    const std::optional<PartDigests::Digests> digests = m_digests.finish();
    return digests && digests->whole == m_checksums.originalDigest;
}
