#include "EngineTestSupport.h"

#include "engine/ChecksumFile.h"
#include "engine/Sha256.h"
#include "engine/SplitFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

std::string sha256Of(const std::string& bytes) {
    Sha256 hash;
    hash.update(bytes.data(), bytes.size());
    return hash.hexDigest();
}

SplitRequest checksummedSplit(const TempDir& dir, std::int64_t partSize) {
    SplitRequest request = splitRequest(dir / "name", dir.path().string(), partSize, std::nullopt);
    request.checksums = true;
    return request;
}

struct ChecksumSizeCase {
    std::int64_t sourceSize;
    std::int64_t partSize;
};

class SplitChecksumSizes : public ::testing::TestWithParam<ChecksumSizeCase> {};

TEST_P(SplitChecksumSizes, ListsEveryPartInOrderThenTheSource) {
    const ChecksumSizeCase& c = GetParam();
    TempDir dir;
    const std::string source = writeScrambledFile(dir / "name", c.sourceSize);
    ScriptedHost host;

    const SplitResult result = splitFile(checksummedSplit(dir, c.partSize), host);

    ASSERT_EQ(result.outcome, OperationOutcome::Completed);
    EXPECT_TRUE(result.checksumFileWritten);
    const ChecksumFileReading reading = readChecksumFile(dir / "name.sha256");
    ASSERT_TRUE(reading.entries);
    std::vector<std::string> listed;
    for (const ChecksumEntry& entry : *reading.entries) {
        listed.push_back(entry.fileName);
        EXPECT_EQ(entry.hexDigest, sha256Of(readFile(dir / entry.fileName))) << entry.fileName;
    }
    std::vector<std::string> expected = result.partNames;
    expected.push_back("name");
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(host.counter, c.sourceSize + 1);
}

constexpr std::int64_t MiB = std::int64_t{1} << 20;

INSTANTIATE_TEST_SUITE_P(Engine, SplitChecksumSizes,
                         ::testing::Values(ChecksumSizeCase{10, 4}, ChecksumSizeCase{8, 4}, ChecksumSizeCase{0, 5},
                                           // many hashing buffers, parts ending inside and on them
                                           ChecksumSizeCase{21 * MiB + 5, 3 * MiB / 2},
                                           ChecksumSizeCase{12 * MiB, MiB}));

TEST(SplitChecksums, AnExistingChecksumFileIsAskedAboutFirstLikeAPart) {
    TempDir dir;
    writeFile(dir / "name", "0123456789");
    writeFile(dir / "name.sha256", "old");
    writeFile(dir / "name.001", "old");
    ScriptedHost declining;
    declining.overwriteAnswer = false;

    const SplitResult declined = splitFile(checksummedSplit(dir, 4), declining);

    EXPECT_EQ(declined.outcome, OperationOutcome::Declined);
    EXPECT_EQ(declining.overwriteQuestions, std::vector<std::string>{dir / "name.sha256"});
    EXPECT_EQ(readFile(dir / "name.sha256"), "old");
    EXPECT_EQ(readFile(dir / "name.001"), "old");

    ScriptedHost accepting;
    const SplitResult accepted = splitFile(checksummedSplit(dir, 4), accepting);

    EXPECT_EQ(accepted.outcome, OperationOutcome::Completed);
    EXPECT_EQ(accepting.overwriteQuestions.size(), 1u) << "one Yes covers the parts too";
    EXPECT_EQ(readChecksumFile(dir / "name.sha256").entries->size(), 4u);
}

TEST(SplitChecksums, NoChecksumFileAfterAStopOrAFailureOrWhenNotAsked) {
    TempDir dir;
    writeFile(dir / "name", "0123456789");
    ScriptedHost stopping;
    stopping.stopOnCall = 2;
    EXPECT_EQ(splitFile(checksummedSplit(dir, 4), stopping).outcome, OperationOutcome::Stopped);
    EXPECT_FALSE(exists(dir / "name.sha256"));

    ASSERT_EQ(::unlink((dir / "name.002").c_str()), 0);
    ASSERT_EQ(::symlink("/dev/full", (dir / "name.002").c_str()), 0);
    ScriptedHost host;
    const SplitResult failed = splitFile(checksummedSplit(dir, 4), host);
    EXPECT_EQ(failed.outcome, OperationOutcome::Failed);
    EXPECT_EQ(failed.error.path, dir / "name.002");
    EXPECT_FALSE(exists(dir / "name.sha256"));
    ASSERT_EQ(::unlink((dir / "name.002").c_str()), 0);

    const SplitResult plain = splitFile(splitRequest(dir / "name", dir.path().string(), 4, std::nullopt), host);
    EXPECT_EQ(plain.outcome, OperationOutcome::Completed);
    EXPECT_FALSE(plain.checksumFileWritten);
    EXPECT_FALSE(exists(dir / "name.sha256"));
}

TEST(SplitChecksums, AFolderThatRefusesTheChecksumFileFailsTheSplitNamingIt) {
    TempDir dir;
    writeFile(dir / "name", "0123456789");
    // A folder in the checksum file's place: the rename over it fails.
    ASSERT_EQ(::mkdir((dir / "name.sha256").c_str(), 0755), 0);
    ScriptedHost host;

    const SplitResult result = splitFile(checksummedSplit(dir, 4), host);

    EXPECT_EQ(result.outcome, OperationOutcome::Failed);
    EXPECT_EQ(result.error.path, dir / "name.sha256");
    EXPECT_FALSE(result.checksumFileWritten);
    EXPECT_EQ(namesIn(dir.path()),
              (std::vector<std::string>{"name", "name.001", "name.002", "name.003", "name.sha256"}));
}

// procfs copies nothing in the kernel: the hashed bytes then come through the buffer.
TEST(SplitChecksums, ASourceTheKernelCannotCopyIsHashedThroughTheBuffer) {
    TempDir dir;
    const std::string content = readFile("/proc/version");
    SplitRequest request = splitRequest("/proc/version", dir.path().string(), 10, std::nullopt);
    request.checksums = true;
    ScriptedHost host;

    ASSERT_EQ(splitFile(request, host).outcome, OperationOutcome::Completed);

    const ChecksumFileReading reading = readChecksumFile(dir / "version.sha256");
    ASSERT_TRUE(reading.entries);
    EXPECT_EQ(reading.entries->front().hexDigest, sha256Of(content.substr(0, 10)));
    EXPECT_EQ(reading.entries->back().hexDigest, sha256Of(content));
}

} // namespace
