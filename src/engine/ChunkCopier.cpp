#include "engine/ChunkCopier.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::size_t PageAlignment = 4096;

} // namespace

ChunkCopier::ChunkCopier(OperationHost& host)
    : m_host(host) {}

ChunkCopier::~ChunkCopier() = default;

ChunkCopier::Result ChunkCopier::copy(int in, int out, std::optional<std::int64_t> limit) {
    Result result;
    while (!limit || result.copied < *limit) {
        const std::int64_t wanted = limit ? std::min(MaxChunk, *limit - result.copied) : MaxChunk;
        std::int64_t done = -1;
        if (m_digests) {
            done = hashedChunk(in, out, wanted, result);
            if (done < 0)
                return result;
        } else if (m_kernelCopy) {
            done = kernelChunk(in, out, wanted, result);
            if (result.stopped)
                return result;
        }
        if (done < 0) {
            done = bufferedChunk(in, out, std::min(wanted, BufferSize), result);
            if (done < 0)
                return result;
            // Bytes the kernel did not see (procfs and the like report a size of 0): the buffer
            // copies the rest of the operation.
            if (done > 0)
                m_kernelCopy = false;
        }
        if (done == 0) {
            result.reachedEnd = true;
            return result;
        }
        result.copied += done;
        // Only a hint: the sync that follows reports whatever goes wrong on the way to the disk.
        if (m_writeBehind)
            ::sync_file_range(out, 0, 0, SYNC_FILE_RANGE_WRITE);
        m_host.byteCounter().fetch_add(done, std::memory_order_relaxed);
        if (m_host.stopRequested()) {
            result.stopped = true;
            return result;
        }
    }
    return result;
}

std::int64_t ChunkCopier::kernelChunk(int in, int out, std::int64_t wanted, Result& result) {
    for (;;) {
        const ssize_t done = ::copy_file_range(in, nullptr, out, nullptr, static_cast<std::size_t>(wanted), 0);
        if (done < 0 && errno == EINTR) {
            if (interruptedToStop(result))
                return -1;
            continue;
        }
        // The buffer path reproduces any real error against the right file, so every failure hands
        // over to it for the rest of the operation.
        if (done < 0)
            m_kernelCopy = false;
        // The kernel copies up to the size a file reports, which is 0 for procfs files and may be
        // stale elsewhere, so only a read can tell that the end has come.
        return done > 0 ? done : -1;
    }
}

std::int64_t ChunkCopier::bufferedChunk(int in, int out, std::int64_t wanted, Result& result) {
    if (!m_buffer) {
        // A buffer off the page grid makes every copy to and from the page cache markedly slower.
        m_buffer.reset(static_cast<char*>(std::aligned_alloc(PageAlignment, BufferSize)));
        if (!m_buffer) {
            result.readError = ENOMEM;
            return -1;
        }
    }
    return copyThrough(m_buffer.get(), in, out, wanted, result);
}

std::int64_t ChunkCopier::hashedChunk(int in, int out, std::int64_t wanted, Result& result) {
    char* buffer = m_digests->nextBuffer();
    if (!buffer) {
        result.readError = ENOMEM;
        return -1;
    }
    const std::int64_t done =
        copyThrough(buffer, in, out, std::min(wanted, static_cast<std::int64_t>(PartDigests::BufferSize)), result);
    if (done > 0)
        m_digests->add(static_cast<std::size_t>(done));
    return done;
}

std::int64_t ChunkCopier::copyThrough(char* buffer, int in, int out, std::int64_t wanted, Result& result) {
    ssize_t got;
    for (;;) {
        got = ::read(in, buffer, static_cast<std::size_t>(wanted));
        if (got >= 0 || errno != EINTR)
            break;
        if (interruptedToStop(result))
            return -1;
    }
    if (got < 0) {
        result.readError = errno;
        return -1;
    }
    if (got > 0) {
        result.writeError = writeAll(out, buffer, got, [&] { return interruptedToStop(result); });
        if (result.writeError != 0) {
            if (result.stopped)
                result.writeError = 0;
            return -1;
        }
    }
    return got;
}

bool ChunkCopier::interruptedToStop(Result& result) {
    result.stopped = m_host.stopRequested();
    return result.stopped;
}

int writeAll(int fd, const char* data, std::int64_t size, const std::function<bool()>& giveUpWhenInterrupted) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<std::size_t>(size));
        if (written < 0) {
            if (errno != EINTR)
                return errno;
            if (giveUpWhenInterrupted && giveUpWhenInterrupted())
                return EINTR;
            continue;
        }
        if (written == 0)
            return ENOSPC;
        data += written;
        size -= written;
    }
    return 0;
}
