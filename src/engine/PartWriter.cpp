#include "engine/PartWriter.h"

#include "engine/OperationErrors.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

PartWriter::PartWriter(const FileHandle& source, const InputGuard& guard, OperationHost& host)
    : m_source(source)
    , m_guard(guard)
    , m_host(host)
    , m_copier(host) {}

void PartWriter::setDigests(PartDigests* digests) {
    m_digests = digests;
    m_copier.setDigests(digests);
}

bool PartWriter::mayOverwrite(const std::string& path, OperationResult& result) {
    if (m_askBeforeOverwriting && ::access(path.c_str(), F_OK) == 0) {
        if (!m_host.confirmOverwrite(path)) {
            result.outcome = OperationOutcome::Declined;
            return false;
        }
        m_askBeforeOverwriting = false;
    }
    return true;
}

bool PartWriter::create(const std::string& path, OperationResult& result) {
    if (!mayOverwrite(path, result))
        return false;
    const OutputOpening opening = openOutput(path, m_guard, m_part, &m_written);
    if (opening.sameAsInput) {
        refuseAsInput(result, path, *opening.sameAsInput);
        return false;
    }
    if (opening.sameAsWritten) {
        refuseAsSameOutput(result, path, *opening.sameAsWritten);
        return false;
    }
    if (opening.systemError != 0) {
        failWith(result, path, opening.systemError);
        return false;
    }
    struct stat status {};
    if (::fstat(m_part.fd(), &status) != 0) {
        failWith(result, path, errno);
        return false;
    }
    m_written.addInput(path, status);
    return true;
}

bool PartWriter::fill(std::optional<std::int64_t> limit, OperationResult& result, bool& reachedEnd) {
    const ChunkCopier::Result copy = m_copier.copy(m_source.fd(), m_part.fd(), limit);
    reachedEnd = copy.reachedEnd;
    if (copy.reachedEnd)
        m_host.byteCounter().fetch_add(1, std::memory_order_relaxed);
    const std::string partPath = m_part.path();
    const int closeError = m_part.close();
    if (copy.readError != 0) {
        failReading(result, m_source.path(), copy.readError);
        return false;
    }
    if (copy.writeError != 0 || closeError != 0) {
        failWith(result, partPath, copy.writeError != 0 ? copy.writeError : closeError);
        return false;
    }
    if (copy.stopped) {
        result.outcome = OperationOutcome::Stopped;
        return false;
    }
    if (m_digests)
        m_digests->endPart();
    return true;
}
