#include "engine/ChunkCopier.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

constexpr std::size_t PageAlignment = 4096;

// File systems where the kernel's copy shares the disk blocks (XFS, btrfs) or stays on the server
// (NFS, SMB): there a copy in the kernel and a read back for the digests beat writing the bytes.
// Elsewhere (tmpfs, ext4) the kernel's copy costs as much as read and write, and the read back
// comes on top.
bool kernelCopySavesWork(int out) {
    constexpr long Smb2Magic = 0xFE534D42;
    constexpr long CifsMagic = 0xFF534D42;
    struct statfs info {};
    if (::fstatfs(out, &info) != 0)
        return false;
    switch (static_cast<long>(info.f_type)) {
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case NFS_SUPER_MAGIC:
    case SMB_SUPER_MAGIC:
    case Smb2Magic:
    case CifsMagic:
        return true;
    default:
        return false;
    }
}

} // namespace

ChunkCopier::ChunkCopier(OperationHost& host)
    : m_host(host) {}

ChunkCopier::~ChunkCopier() = default;

ChunkCopier::Result ChunkCopier::copy(int in, int out, std::optional<std::int64_t> limit) {
    Result result;
    const bool readBack = m_digests && m_kernelCopy && kernelCopySavesWork(out);
    while (!limit || result.copied < *limit) {
        const std::int64_t wanted = limit ? std::min(MaxChunk, *limit - result.copied) : MaxChunk;
        std::int64_t done = -1;
        if (m_digests) {
            done = hashedChunk(in, out, wanted, readBack, result);
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

std::int64_t ChunkCopier::hashedChunk(int in, int out, std::int64_t wanted, bool readBack, Result& result) {
    char* buffer = m_digests->nextBuffer();
    if (!buffer) {
        result.readError = ENOMEM;
        return -1;
    }
    wanted = std::min(wanted, static_cast<std::int64_t>(PartDigests::BufferSize));
    std::int64_t done = readBack && m_kernelCopy ? kernelChunkReadBack(in, out, buffer, wanted, result) : -1;
    if (result.readError != 0 || result.stopped)
        return -1;
    if (done < 0) {
        done = copyThrough(buffer, in, out, wanted, result);
        if (done > 0)
            m_kernelCopy = false; // as in copy(): the kernel did not see these bytes
    }
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

std::int64_t ChunkCopier::kernelChunkReadBack(int in, int out, char* buffer, std::int64_t wanted, Result& result) {
    const off_t offset = ::lseek(in, 0, SEEK_CUR);
    if (offset < 0) {
        m_kernelCopy = false;
        return -1;
    }
    const std::int64_t done = kernelChunk(in, out, wanted, result);
    if (done < 0)
        return -1;
    // Read back from the page cache, where the copy left them, or, where the copy shared the
    // disk blocks, from the disk for the first and only time. Still faster than writing them.
    std::int64_t got = 0;
    while (got < done) {
        const ssize_t more = ::pread(in, buffer + got, static_cast<std::size_t>(done - got), offset + got);
        if (more < 0 && errno == EINTR)
            continue;
        if (more <= 0) {
            // A source that shrinks under the copy cannot be vouched for.
            result.readError = more < 0 ? errno : EIO;
            return -1;
        }
        got += more;
    }
    return done;
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
