#pragma once

#include "engine/OperationHost.h"
#include "engine/PartDigests.h"

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>

// Copies between two descriptors, from their current offsets, in chunks: in the kernel with
// copy_file_range where the file systems allow it, otherwise through a 1 MiB buffer; in chunks of
// PartDigests' buffers when the bytes are to be hashed. After each
// chunk the byte counter grows and the host is asked whether to stop. One copier serves a whole
// operation, so it remembers when the kernel path has proved unusable.
class ChunkCopier {
public:
    static constexpr std::int64_t MaxChunk = std::int64_t{8} << 20;
    static constexpr std::int64_t BufferSize = std::int64_t{1} << 20;

    explicit ChunkCopier(OperationHost& host);
    ~ChunkCopier();

    struct Result {
        std::int64_t copied = 0;
        bool reachedEnd = false; // a read found the end of the input before the limit
        bool stopped = false;    // the host asked to stop after a chunk or in a blocked call
        int readError = 0;       // errno of a failed read
        int writeError = 0;      // errno of a failed write
    };

    // Copies `limit` bytes, or up to the end of `in` when there is no limit.
    Result copy(int in, int out, std::optional<std::int64_t> limit);

    // After each chunk, start writing the output's dirty pages to the disk, for an operation that
    // will sync them anyway: the disk then works while the next chunks are copied.
    void setWriteBehind(bool on) { m_writeBehind = on; }

    // Every chunk from now on goes through `digests` (nullptr: none).
    void setDigests(PartDigests* digests) { m_digests = digests; }

private:
    // One chunk through the kernel: bytes copied, or -1 when the buffer must do this chunk.
    std::int64_t kernelChunk(int in, int out, std::int64_t wanted, Result& result);
    // One chunk through the buffer; records errors in `result`; returns bytes copied or -1.
    std::int64_t bufferedChunk(int in, int out, std::int64_t wanted, Result& result);
    // One chunk for m_digests, handed to them once written; as bufferedChunk. With `readBack`, the
    // kernel copies it where it can (sharing the disk blocks on file systems with reflinks) and the
    // bytes are read back from the source into the digests' buffer; otherwise they go through it.
    std::int64_t hashedChunk(int in, int out, std::int64_t wanted, bool readBack, Result& result);
    // The kernel's copy of one chunk, read back into `buffer`: bytes copied, or -1 when the buffer
    // must do this chunk (or, with result.readError set, when reading back failed).
    std::int64_t kernelChunkReadBack(int in, int out, char* buffer, std::int64_t wanted, Result& result);
    // Reads up to `wanted` bytes into `buffer` and writes what came; as bufferedChunk.
    std::int64_t copyThrough(char* buffer, int in, int out, std::int64_t wanted, Result& result);
    // A blocked read or write was interrupted by a signal: true (and `result` stopped) when the
    // host wants to stop, so a stop does not wait for a FIFO or a stalled folder.
    bool interruptedToStop(Result& result);

    struct FreeBuffer {
        void operator()(char* buffer) const { std::free(buffer); }
    };

    OperationHost& m_host;
    bool m_kernelCopy = true;
    bool m_writeBehind = false;
    PartDigests* m_digests = nullptr;
    std::unique_ptr<char, FreeBuffer> m_buffer; // page aligned, as the page cache is
};

// Writes all of `size` bytes, retrying partial writes. Returns 0 or the errno (ENOSPC for a write
// that takes nothing). A write interrupted by a signal is retried unless giveUpWhenInterrupted
// says otherwise; then the result is EINTR.
int writeAll(int fd, const char* data, std::int64_t size, const std::function<bool()>& giveUpWhenInterrupted = {});
