#include "engine/JoinFiles.h"

#include "engine/ChunkCopier.h"
#include "engine/FileHandle.h"
#include "engine/InputGuard.h"
#include "engine/OperationErrors.h"

#include <cerrno>
#include <map>
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
        , m_copier(host) {}

    void run() {
        if (m_request.outputPath.empty()) {
            refuseRequest(m_result);
            return;
        }
        if (!lookAtParts() || !openTheOutput())
            return;
        m_host.byteCounter().store(0);
        m_copier.setWriteBehind(m_request.deleteParts && m_mayDelete);
        for (std::size_t index = 0; index < m_request.partPaths.size(); ++index) {
            if (!appendPart(index))
                break;
        }
        // A stop keeps the parts that are wholly in the output deleted, as a complete join does.
        if (m_result.outcome == OperationOutcome::Completed || m_result.outcome == OperationOutcome::Stopped)
            deletePendingParts();
        const int closeError = m_output.close();
        if (closeError != 0 && m_result.outcome != OperationOutcome::Failed)
            failWith(m_result, m_request.outputPath, closeError);
    }

private:
    // Records every part's identity before anything is written; false when the output is one.
    bool lookAtParts() {
        const std::size_t count = m_request.partPaths.size();
        std::vector<struct stat> identities(count);
        std::vector<bool> exists(count, false);
        for (std::size_t index = 0; index < count; ++index) {
            exists[index] = ::stat(m_request.partPaths[index].c_str(), &identities[index]) == 0;
            if (exists[index]) {
                m_guard.addInput(m_request.partPaths[index], identities[index]);
            } else {
                m_mayDelete = false; // a join with a missing part deletes nothing
                // The output would appear as this part and be read while it is written.
                if (m_request.partPaths[index] == m_request.outputPath) {
                    refuseAsInput(m_result, m_request.outputPath, m_request.outputPath);
                    return false;
                }
            }
        }
        m_lastTurn = lastTurnOfEachFile(identities, exists);
        if (const std::string* input = m_guard.inputSameAs(m_request.outputPath)) {
            refuseAsInput(m_result, m_request.outputPath, *input);
            return false;
        }
        return true;
    }

    bool openTheOutput() {
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

    // A part that did not exist before the output was created may be the output itself (a link).
    bool isTheOutput(const FileHandle& part) const {
        struct stat status {};
        return ::fstat(part.fd(), &status) == 0 && status.st_dev == m_outputStatus.st_dev &&
               status.st_ino == m_outputStatus.st_ino;
    }

    // False ends the join.
    bool appendPart(std::size_t index) {
        const std::string& path = m_request.partPaths[index];
        if (m_host.stopRequested()) {
            m_result.outcome = OperationOutcome::Stopped;
            return false;
        }
        FileHandle part;
        if (const int error = openForReading(path, part); error != 0) {
            if (error != ENOENT) {
                failWith(m_result, path, error);
                return false;
            }
            m_host.currentFile(fileNameOf(path));
            m_host.partMissing(path);
            m_result.missingParts.push_back(path);
            m_mayDelete = false;
            m_pendingDeletion.clear();
            m_copier.setWriteBehind(false);
            return true;
        }
        if (isTheOutput(part)) {
            m_result.outcome = OperationOutcome::Failed;
            m_result.error = {OperationError::Kind::OutputIsInput, m_request.outputPath, path, 0};
            return false;
        }
        const ChunkCopier::Result copy = m_copier.copy(part.fd(), m_output.fd(), std::nullopt);
        if (copy.reachedEnd)
            m_host.byteCounter().fetch_add(1, std::memory_order_relaxed);
        part.close(); // read only: nothing of ours can be lost by a failed close
        if (copy.readError != 0 || copy.writeError != 0) {
            failWith(m_result, copy.readError != 0 ? path : m_request.outputPath,
                     copy.readError != 0 ? copy.readError : copy.writeError);
            return false;
        }
        if (copy.stopped) {
            m_result.outcome = OperationOutcome::Stopped;
            return false;
        }
        if (m_request.deleteParts && m_mayDelete && m_lastTurn[index]) {
            m_pendingDeletion.push_back(path);
            m_pendingBytes += copy.copied;
            if (m_pendingBytes >= SyncEvery)
                return deletePendingParts();
        }
        return true;
    }

    // Parts go only once their bytes are on the disk. One sync serves many small parts.
    bool deletePendingParts() {
        if (m_pendingDeletion.empty())
            return true;
        if (::fsync(m_output.fd()) != 0) {
            failWith(m_result, m_request.outputPath, errno);
            return false;
        }
        for (const std::string& path : m_pendingDeletion) {
            if (::unlink(path.c_str()) != 0) {
                failWith(m_result, path, errno);
                return false;
            }
            m_result.deletedParts.push_back(path);
        }
        m_pendingDeletion.clear();
        m_pendingBytes = 0;
        return true;
    }

    static constexpr std::int64_t SyncEvery = std::int64_t{64} << 20;

    const JoinRequest& m_request;
    OperationHost& m_host;
    JoinResult& m_result;
    ChunkCopier m_copier;
    InputGuard m_guard;
    FileHandle m_output;
    struct stat m_outputStatus {};
    std::vector<bool> m_lastTurn;
    std::vector<std::string> m_pendingDeletion; // wholly copied, waiting for the sync
    std::int64_t m_pendingBytes = 0;
    bool m_mayDelete = true;
};

} // namespace

std::optional<std::string> chooseJoinOutputPath(const std::string& folder, const std::string& name,
                                                OperationHost& host) {
    const std::string base = withTrailingSlash(folder);
    std::string current = name;
    for (;;) {
        const std::string path = base + current;
        if (!pathExists(path))
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
