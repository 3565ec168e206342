#include "EngineTestSupport.h"

#include "engine/ChunkCopier.h"
#include "engine/FileHandle.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
#include <tuple>

namespace {

constexpr std::int64_t Chunk = ChunkCopier::MaxChunk;
constexpr std::int64_t Buffer = ChunkCopier::BufferSize;

struct CopyCase {
    std::int64_t inputSize;
    std::optional<std::int64_t> limit;
};

std::ostream& operator<<(std::ostream& out, const CopyCase& c) {
    return out << c.inputSize << " bytes, limit " << (c.limit ? std::to_string(*c.limit) : "none");
}

enum class CopyPath { Kernel, Buffer };

std::ostream& operator<<(std::ostream& out, CopyPath way) {
    return out << (way == CopyPath::Kernel ? "kernel" : "buffer");
}

FileHandle openOutputFile(const std::string& path, CopyPath way) {
    // The kernel refuses to copy into a file opened for appending, so the buffer takes over.
    const int flags = O_WRONLY | O_CREAT | O_TRUNC | (way == CopyPath::Buffer ? O_APPEND : 0);
    return FileHandle(::open(path.c_str(), flags, 0644), path);
}

class CopyAroundChunkEdges : public ::testing::TestWithParam<std::tuple<CopyCase, CopyPath>> {};

// A limited copy followed by one to the end, as a split does it: both pieces hold exactly their
// bytes, and the host is asked about stopping at least once per chunk.
TEST_P(CopyAroundChunkEdges, CopiesExactlyTheRangeAndAsksAfterEveryChunk) {
    const auto& [c, way] = GetParam();
    TempDir dir;
    const std::string input = writeScrambledFile(dir / "in", c.inputSize);
    FileHandle in;
    ASSERT_EQ(openForReading(dir / "in", in), 0);
    FileHandle first = openOutputFile(dir / "first", way);
    FileHandle rest = openOutputFile(dir / "rest", way);
    ASSERT_TRUE(first.isOpen() && rest.isOpen());
    ScriptedHost host;
    host.counter = 0;
    ChunkCopier copier(host);

    const ChunkCopier::Result head = copier.copy(in.fd(), first.fd(), c.limit);
    const ChunkCopier::Result tail = copier.copy(in.fd(), rest.fd(), std::nullopt);

    const std::int64_t expectedHead = c.limit ? std::min(*c.limit, c.inputSize) : c.inputSize;
    EXPECT_EQ(head.copied, expectedHead);
    EXPECT_EQ(head.reachedEnd, !c.limit || *c.limit > c.inputSize);
    EXPECT_EQ(tail.copied, c.inputSize - expectedHead);
    EXPECT_TRUE(tail.reachedEnd);
    for (const ChunkCopier::Result& result : {head, tail}) {
        EXPECT_FALSE(result.stopped);
        EXPECT_EQ(result.readError, 0);
        EXPECT_EQ(result.writeError, 0);
    }
    ASSERT_EQ(first.close(), 0);
    ASSERT_EQ(rest.close(), 0);
    EXPECT_TRUE(sameBytes(readFile(dir / "first"), input.substr(0, expectedHead)));
    EXPECT_TRUE(sameBytes(readFile(dir / "rest"), input.substr(expectedHead)));
    EXPECT_EQ(host.counter, c.inputSize);
    std::int64_t asked = 0;
    for (const std::int64_t counter : host.counterAtStopQuestions) {
        EXPECT_LE(counter - asked, Chunk);
        asked = counter;
    }
    EXPECT_EQ(asked, c.inputSize);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, CopyAroundChunkEdges,
    ::testing::Combine(::testing::Values(CopyCase{0, std::nullopt}, CopyCase{Buffer - 1, std::nullopt},
                                         CopyCase{Buffer + 1, Buffer}, CopyCase{Chunk, std::nullopt},
                                         CopyCase{Chunk, Chunk}, CopyCase{Chunk + 1, Chunk}, CopyCase{Chunk - 1, Chunk},
                                         CopyCase{2 * Chunk + 3, Chunk + 1}, CopyCase{2 * Chunk, 2 * Chunk - 1}),
                       ::testing::Values(CopyPath::Kernel, CopyPath::Buffer)));

} // namespace
