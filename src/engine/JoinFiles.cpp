#include "engine/JoinFiles.h"

#include "engine/ChunkCopier.h"
#include "engine/FileHandle.h"
#include "engine/InputGuard.h"
#include "engine/JoinVerification.h"
#include "engine/OperationErrors.h"
#include "engine/PartDeleter.h"
#include "engine/PathNames.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

bool pathExists(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0; // a dangling link counts: writing would follow it
}

// For each entry, whether it may be deleted once copied: only the last entry naming a file, so
// that a file listed twice is still there for its second turn.
std::vector<bool> lastTurnOfEachFile(const std::vector<struct stat>& identities, const std::vector<bool>& exists) {
    std::map<std::pair<dev_t, ino_t>, std::size_t> lastIndex;
    for (std::size_t index = 0; index < identities.size(); ++index) {
        if (exists[index])
            lastIndex[{identities[index].st_dev, identities[index].st_ino}] = index;
    }
    std::vector<bool> isLast(identities.size(), false);
    for (const auto& [identity, index] : lastIndex)
        isLast[index] = true;
    return isLast;
}

class Joiner {
public:
    Joiner(const JoinRequest& request, OperationHost& host, JoinResult& result)
        : m_request(request)
        , m_host(host)
        , m_result(result)
        , m_copier(host)
        , m_deleter(joinJournalPath(request.outputPath)) {}

    void run() {
        if (m_request.outputPath.empty()) {
            refuseRequest(m_result);
            return;
        }
        if (!takeChecksums() || !takeOverInterruptedJoin() || !lookAtParts() || !checkResumedOutputStart() ||
            !openTheOutput())
            return;
        m_host.byteCounter().store(0);
        m_copier.setWriteBehind(m_request.deleteParts);
        if (m_verifier)
            m_copier.setDigests(&m_verifier->digests());
        for (std::size_t index = m_firstToCopy; index < m_parts.size(); ++index) {
            if (!appendPart(index))
                break;
        }
        if (m_result.outcome == OperationOutcome::Completed && m_verifier)
            checkTheWholeOutput();
        // A stop keeps the parts that are wholly in the output deleted, as a complete join does.
        if (m_result.outcome == OperationOutcome::Completed || m_result.outcome == OperationOutcome::Stopped)
            deletePendingParts();
        if (m_result.outcome == OperationOutcome::Completed && m_resume && m_request.deleteParts)
            m_deleter.deleteLeftovers(m_resume->journal, m_result);
        // The journal goes only once the output holds every byte on the disk.
        const bool journalDone =
            m_result.outcome == OperationOutcome::Completed && (m_resume || m_deleter.hasJournal());
        if (journalDone && ::fsync(m_output.fd()) != 0)
            failWith(m_result, m_request.outputPath, errno);
        const int closeError = m_output.close();
        if (closeError != 0 && m_result.outcome != OperationOutcome::Failed)
            failWith(m_result, m_request.outputPath, closeError);
        if (journalDone && m_result.outcome == OperationOutcome::Completed) {
            if (const int error = m_deleter.removeJournal(); error != 0 && error != ENOENT)
                failWith(m_result, m_deleter.journalPath(), error);
        }
    }

private:
    // The checksum file decides which parts are joined.
    bool takeChecksums() {
        if (!m_request.checksumPath) {
            m_listed = m_request.partPaths;
            return true;
        }
        JoinChecksumsLoading loading = loadJoinChecksums(*m_request.checksumPath);
        if (!loading.checksums) {
            m_result.outcome = OperationOutcome::Refused;
            m_result.error = {
                OperationError::Kind::ChecksumFileUnusable, *m_request.checksumPath, {}, loading.systemError};
            return false;
        }
        m_checksums = std::move(loading.checksums);
        m_result.checksumPath = m_checksums->checksumPath;
        m_listed = m_checksums->partPaths;
        m_result.leftOut = filesNotNamed(m_request.partPaths, *m_checksums);
        m_verifier = std::make_unique<JoinVerifier>(*m_checksums);
        return true;
    }

    void failChecksum(const std::string& path) {
        m_result.outcome = OperationOutcome::Failed;
        m_result.error = {OperationError::Kind::ChecksumMismatch, path, m_checksums->checksumPath, 0};
    }

    void checkTheWholeOutput() {
        if (m_verifier->wholeMatches()) {
            m_result.verified = true;
            return;
        }
        failChecksum(m_request.outputPath);
        m_result.outputDamaged = true;
    }

    void refuseResume(ResumeProblem problem, const std::string& path) {
        m_result.outcome = OperationOutcome::Refused;
        m_result.error = {OperationError::Kind::NotResumable, m_request.outputPath, m_deleter.journalPath(), 0};
        m_result.resumeProblem = problem;
        m_result.resumeProblemPath = path;
    }

    // A resumed join with checksums: the deleted parts' bytes in the output are checked first.
    bool checkResumedOutputStart() {
        if (!m_resume || !m_verifier)
            return true;
        std::vector<std::int64_t> ends;
        std::int64_t expectedStart = 0;
        for (std::size_t index = 0; index < m_firstToCopy; ++index) {
            const JoinJournal::Part& part = m_resume->journal.parts[index];
            if (!part.deleted || part.outputStart != expectedStart) {
                refuseResume(ResumeProblem::OutputChanged, {});
                return false;
            }
            ends.push_back(part.outputEnd);
            expectedStart = part.outputEnd;
        }
        FileHandle output;
        int error = openForReading(m_request.outputPath, output);
        const std::optional<std::size_t> damaged =
            error != 0 ? std::optional<std::size_t>(0) : m_verifier->checkOutputStart(output.fd(), ends, error);
        if (damaged) {
            refuseResume(ResumeProblem::DeletedPartDamaged, m_parts[*damaged]);
            return false;
        }
        return true;
    }

    // A journal beside the output: the join goes on where the interrupted one ended, or is refused.
    bool takeOverInterruptedJoin() {
        ResumeCheck check = checkResume(m_listed, m_request.outputPath);
        if (check.problem != ResumeProblem::None) {
            refuseResume(check.problem, check.problemPath);
            m_result.deletedEarlier = check.deletedParts;
            return false;
        }
        if (!check.point) {
            m_parts = m_listed;
            return true;
        }
        m_resume = std::move(check.point);
        m_result.resumed = true;
        m_result.deletedEarlier = check.deletedParts;
        m_firstToCopy = m_resume->firstToCopy;
        for (const JoinJournal::Part& part : m_resume->journal.parts)
            m_parts.push_back(part.path);
        if (const int error = m_deleter.continueJournal(); error != 0) {
            failWith(m_result, m_deleter.journalPath(), error);
            return false;
        }
        return true;
    }

    // Every part the checksum file names is there, or was deleted by the join being resumed.
    bool checksumPartsArePresent() {
        for (std::size_t index = m_firstToCopy; index < m_parts.size(); ++index) {
            struct stat status {};
            if (!deletedEarlier(index) && ::stat(m_parts[index].c_str(), &status) != 0)
                m_result.checksumMissing.push_back(m_parts[index]);
        }
        if (m_result.checksumMissing.empty())
            return true;
        m_result.outcome = OperationOutcome::Refused;
        m_result.error = {OperationError::Kind::ChecksumPartsMissing, {}, m_checksums->checksumPath, 0};
        return false;
    }

    bool deletedEarlier(std::size_t index) const { return m_resume && m_resume->journal.parts[index].deleted; }

    // Records every part's identity before anything is written; false when the output is one, or
    // when a part is missing under the delete option.
    bool lookAtParts() {
        const std::size_t count = m_parts.size();
        m_identities.assign(count, {});
        std::vector<bool> exists(count, false);
        const std::string output = normalisedPath(m_request.outputPath);
        if (m_checksums && !checksumPartsArePresent())
            return false;
        for (std::size_t index = 0; index < count; ++index) {
            const std::string& path = m_parts[index];
            exists[index] = ::stat(path.c_str(), &m_identities[index]) == 0;
            if (exists[index]) {
                m_guard.addInput(path, m_identities[index]);
                continue;
            }
            // The output would appear as this part and be read while it is written.
            if (normalisedPath(path) == output) {
                refuseAsInput(m_result, m_request.outputPath, path);
                return false;
            }
            // Skipping would leave a hole before parts that are then deleted.
            if (m_request.deleteParts && index >= m_firstToCopy && !deletedEarlier(index)) {
                failReading(m_result, path, ENOENT);
                return false;
            }
        }
        // With no part there, a join would only empty the output; an earlier file of that name stays.
        const bool nothingToCopy =
            std::find(exists.begin() + static_cast<std::ptrdiff_t>(m_firstToCopy), exists.end(), true) == exists.end();
        if (!m_resume && nothingToCopy && count > 0) {
            failReading(m_result, m_parts[m_firstToCopy], ENOENT);
            return false;
        }
        m_lastTurn = lastTurnOfEachFile(m_identities, exists);
        if (const std::string* input = m_guard.inputSameAs(m_request.outputPath)) {
            refuseAsInput(m_result, m_request.outputPath, *input);
            return false;
        }
        return true;
    }

    bool openTheOutput() {
        if (m_resume)
            return openTheOutputToResume();
        const OutputOpening opening = openOutput(m_request.outputPath, m_guard, m_output);
        if (opening.sameAsInput)
            refuseAsInput(m_result, m_request.outputPath, *opening.sameAsInput);
        else if (opening.systemError != 0)
            failWith(m_result, m_request.outputPath, opening.systemError);
        if (m_output.isOpen() && ::fstat(m_output.fd(), &m_outputStatus) != 0) {
            failWith(m_result, m_request.outputPath, errno);
            return false;
        }
        return m_output.isOpen();
    }

    // The output keeps its first bytes, the parts the interrupted join got to; what it holds after
    // them comes from parts that are still there and is written again.
    bool openTheOutputToResume() {
        const int fd = ::open(m_request.outputPath.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0) {
            failWith(m_result, m_request.outputPath, errno);
            return false;
        }
        m_output = FileHandle(fd, m_request.outputPath);
        const JoinJournal& journal = m_resume->journal;
        if (::fstat(fd, &m_outputStatus) != 0) {
            failWith(m_result, m_request.outputPath, errno);
            return false;
        }
        if (m_outputStatus.st_dev != journal.outputDevice || m_outputStatus.st_ino != journal.outputInode ||
            m_outputStatus.st_size < m_resume->bytesKept) {
            refuseResume(ResumeProblem::OutputChanged, {});
            return false;
        }
        if ((m_outputStatus.st_size > m_resume->bytesKept && ::ftruncate(fd, m_resume->bytesKept) != 0) ||
            ::lseek(fd, m_resume->bytesKept, SEEK_SET) < 0) {
            failWith(m_result, m_request.outputPath, errno);
            return false;
        }
        m_outputEnd = m_resume->bytesKept;
        return true;
    }

    // The journal written before the first deletion: every part as it was looked at.
    JoinJournal journalContent() const {
        JoinJournal journal;
        journal.outputDevice = m_outputStatus.st_dev;
        journal.outputInode = m_outputStatus.st_ino;
        for (std::size_t index = 0; index < m_parts.size(); ++index) {
            const struct stat& identity = m_identities[index];
            journal.parts.push_back(
                {normalisedPath(m_parts[index]), identity.st_size, identity.st_dev, identity.st_ino, false, 0, 0});
        }
        return journal;
    }

    // A part that did not exist before the output was created may be the output itself (a link).
    bool isTheOutput(const struct stat& part) const {
        return part.st_dev == m_outputStatus.st_dev && part.st_ino == m_outputStatus.st_ino;
    }

    // False ends the join.
    bool appendPart(std::size_t index) {
        const std::string& path = m_parts[index];
        if (m_host.stopRequested()) {
            m_result.outcome = OperationOutcome::Stopped;
            return false;
        }
        FileHandle part;
        int error = openForReading(path, part);
        // Opening a FIFO waits for its writer; a signal that stops us may end the wait.
        while (error == EINTR) {
            if (m_host.stopRequested()) {
                m_result.outcome = OperationOutcome::Stopped;
                return false;
            }
            error = openForReading(path, part);
        }
        if (error != 0) {
            // Under the delete option or a checksum file, a hole in the output is never accepted.
            if (error != ENOENT || m_request.deleteParts || m_verifier) {
                failReading(m_result, path, error);
                return false;
            }
            m_host.currentFile(fileNameOf(path));
            m_host.partMissing(path);
            m_result.missingParts.push_back(path);
            return true;
        }
        struct stat opened {};
        if (::fstat(part.fd(), &opened) != 0) {
            failReading(m_result, path, errno);
            return false;
        }
        if (isTheOutput(opened)) {
            m_result.outcome = OperationOutcome::Failed;
            m_result.error = {OperationError::Kind::OutputIsInput, m_request.outputPath, path, 0};
            return false;
        }
        const std::int64_t start = m_outputEnd;
        const ChunkCopier::Result copy = m_copier.copy(part.fd(), m_output.fd(), std::nullopt);
        m_outputEnd += copy.copied;
        if (copy.reachedEnd)
            m_host.byteCounter().fetch_add(1, std::memory_order_relaxed);
        part.close(); // read only: nothing of ours can be lost by a failed close
        if (copy.readError != 0) {
            failReading(m_result, path, copy.readError);
            return false;
        }
        if (copy.writeError != 0) {
            failWith(m_result, m_request.outputPath, copy.writeError);
            return false;
        }
        if (copy.stopped) {
            m_result.outcome = OperationOutcome::Stopped;
            return false;
        }
        if (m_verifier && !m_verifier->partMatches(index)) {
            failChecksum(path);
            return false;
        }
        if (m_request.deleteParts && m_lastTurn[index]) {
            if (!S_ISREG(opened.st_mode)) {
                m_result.partsLeft.push_back({path, PartLeft::Why::NotRegularFile, 0});
                return true;
            }
            m_deleter.add({index, path, opened, start, m_outputEnd});
            if (m_deleter.pendingBytes() >= m_request.syncEvery)
                return deletePendingParts();
        }
        return true;
    }

    // Parts go only once their bytes are on the disk. One sync serves many small parts.
    bool deletePendingParts() {
        return m_deleter.deletePending(
            m_output, [this] { return journalContent(); }, m_result);
    }

    const JoinRequest& m_request;
    OperationHost& m_host;
    JoinResult& m_result;
    ChunkCopier m_copier;
    PartDeleter m_deleter;
    InputGuard m_guard;
    FileHandle m_output;
    struct stat m_outputStatus {};
    std::int64_t m_outputEnd = 0; // the output's length so far
    std::optional<JoinChecksums> m_checksums;
    std::unique_ptr<JoinVerifier> m_verifier;
    std::vector<std::string> m_listed; // the parts asked for, or those the checksum file names
    std::vector<std::string> m_parts;  // the parts to join: m_listed, or a resumed journal's
    std::vector<struct stat> m_identities;
    std::vector<bool> m_lastTurn;
    std::optional<JoinResumePoint> m_resume;
    std::size_t m_firstToCopy = 0;
};

} // namespace

std::optional<std::string> chooseJoinOutputPath(const std::string& folder, const std::string& name,
                                                OperationHost& host) {
    const std::string base = withTrailingSlash(folder);
    std::string current = name;
    for (;;) {
        const std::string path = base + current;
        if (!pathExists(path) || pathExists(joinJournalPath(path)))
            return path;
        switch (host.existingOutput(path)) {
        case ExistingOutputChoice::Overwrite:
            return path;
        case ExistingOutputChoice::Cancel:
            return std::nullopt;
        case ExistingOutputChoice::Rename: {
            std::optional<std::string> renamed = host.newOutputName(current);
            if (!renamed || renamed->empty())
                return std::nullopt;
            current = std::move(*renamed);
            break;
        }
        }
    }
}

JoinResult joinFiles(const JoinRequest& request, OperationHost& host) {
    JoinResult result;
    Joiner(request, host, result).run();
    return result;
}
