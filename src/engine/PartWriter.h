#pragma once

#include "engine/ChunkCopier.h"
#include "engine/FileHandle.h"
#include "engine/InputGuard.h"
#include "engine/OperationHost.h"
#include "engine/OperationResult.h"

#include <cstdint>
#include <optional>
#include <string>

// Writes the parts of a split or special split from one open source, one after the other.
class PartWriter {
public:
    PartWriter(const FileHandle& source, const InputGuard& guard, OperationHost& host);

    // Asks before overwriting an existing file (until the first Yes of the operation) and creates
    // the part; a part that turns out to be one written before is refused untouched. False ends
    // the operation, with `result` telling why.
    bool create(const std::string& path, OperationResult& result);

    // The overwrite question alone, for another file the operation writes: true when `path` does
    // not exist or may be overwritten. False ends the operation, with `result` telling why.
    bool mayOverwrite(const std::string& path, OperationResult& result);

    // The parts written from now on are hashed by `digests`, each part ended by its fill().
    void setDigests(PartDigests* digests);

    // Copies `limit` bytes, or the rest of the source, into the part just created and closes it.
    // `reachedEnd` tells whether the source ended; that final read counts one byte. False ends the
    // operation, with `result` telling why.
    bool fill(std::optional<std::int64_t> limit, OperationResult& result, bool& reachedEnd);

    // The user allowed an existing part to be overwritten.
    bool overwroteAPart() const { return !m_askBeforeOverwriting; }

private:
    const FileHandle& m_source;
    const InputGuard& m_guard;
    OperationHost& m_host;
    ChunkCopier m_copier;
    FileHandle m_part;
    InputGuard m_written; // the parts created so far
    PartDigests* m_digests = nullptr;
    bool m_askBeforeOverwriting = true;
};
