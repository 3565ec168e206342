#include "EngineTestSupport.h"

#include "engine/ChunkCopier.h"
#include "engine/PartCount.h"
#include "engine/SplitFile.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct SizeCase {
    std::int64_t sourceSize;
    std::int64_t partSize;
    std::vector<std::int64_t> partSizes;
};

class SplitSizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SplitSizes, PartsHoldExactRangesAndAnExactMultipleEndsWithAnEmptyPart) {
    const SizeCase& c = GetParam();
    TempDir dir;
    const std::string source = writeScrambledFile(dir / "name", c.sourceSize);
    ScriptedHost host;

    const SplitResult result =
        splitFile(splitRequest(dir / "name", dir.path().string(), c.partSize, std::nullopt), host);

    ASSERT_EQ(result.outcome, OperationOutcome::Completed);
    std::vector<std::string> expectedNames;
    std::int64_t offset = 0;
    for (std::size_t i = 0; i < c.partSizes.size(); ++i) {
        const std::string name = "name.00" + std::to_string(i + 1);
        expectedNames.push_back(name);
        EXPECT_TRUE(sameBytes(readFile(dir / name), source.substr(offset, c.partSizes[i]))) << name;
        offset += c.partSizes[i];
    }
    EXPECT_EQ(result.partNames, expectedNames);
    EXPECT_EQ(host.currentFiles, expectedNames);
    EXPECT_EQ(host.counter, c.sourceSize + 1); // the read that finds the end counts
    EXPECT_EQ(result.batch.status, RejoinBatchResult::Status::NotRequested);
    EXPECT_TRUE(sameBytes(readFile(dir / "name"), source));
}

constexpr std::int64_t Chunk = ChunkCopier::MaxChunk;

INSTANTIATE_TEST_SUITE_P(Engine, SplitSizes,
                         ::testing::Values(SizeCase{10, 4, {4, 4, 2}}, SizeCase{8, 4, {4, 4, 0}},
                                           // by count: 10 bytes in 3 parts gives a part size of 3
                                           SizeCase{10, 3, {3, 3, 3, 1}}, SizeCase{9, 3, {3, 3, 3, 0}},
                                           SizeCase{0, 5, {0}},
                                           // parts ending on, before and after a copy chunk's end
                                           SizeCase{2 * Chunk, Chunk, {Chunk, Chunk, 0}},
                                           SizeCase{2 * Chunk + 1, Chunk - 1, {Chunk - 1, Chunk - 1, 3}},
                                           SizeCase{2 * Chunk + 1, Chunk + 1, {Chunk + 1, Chunk}}));

TEST(SplitFile, NamesPartsPastNineHundredNinetyNine) {
    TempDir dir;
    writeCountingFile(dir / "name", 1000);
    ScriptedHost host;

    const SplitResult result = splitFile(splitRequest(dir / "name", dir.path().string(), 1, std::nullopt), host);

    ASSERT_EQ(result.outcome, OperationOutcome::Completed);
    ASSERT_EQ(result.partNames.size(), 1001u);
    EXPECT_EQ(result.partNames[9], "name.010");
    EXPECT_EQ(result.partNames[99], "name.100");
    EXPECT_EQ(result.partNames[999], "name.1000");
    EXPECT_EQ(result.partNames[1000], "name.1001");
    EXPECT_EQ(readFile(dir / "name.1000"), std::string(1, static_cast<char>(999 % 256)));
    EXPECT_EQ(readFile(dir / "name.1001"), "");
}

TEST(SplitFile, AsksOnceBeforeOverwritingAndYesCoversEveryLaterPart) {
    TempDir dir;
    writeFile(dir / "name", "0123456789");
    writeFile(dir / "name.002", "old");
    writeFile(dir / "name.003", "older");
    ScriptedHost host;

    const SplitResult result = splitFile(splitRequest(dir / "name", dir.path().string(), 4, std::nullopt), host);

    EXPECT_EQ(result.outcome, OperationOutcome::Completed);
    EXPECT_EQ(host.overwriteQuestions, std::vector<std::string>{dir / "name.002"});
    EXPECT_EQ(readFile(dir / "name.002"), "4567");
    EXPECT_EQ(readFile(dir / "name.003"), "89");
}

TEST(SplitFile, NoToOverwritingKeepsEarlierPartsAndWritesNothingMore) {
    TempDir dir;
    writeFile(dir / "name", "0123456789");
    writeFile(dir / "name.002", "old");
    ScriptedHost host;
    host.overwriteAnswer = false;

    const SplitResult result =
        splitFile(splitRequest(dir / "name", dir.path().string(), 4, RejoinBatchOptions{}), host);

    EXPECT_EQ(result.outcome, OperationOutcome::Declined);
    EXPECT_EQ(result.partNames, std::vector<std::string>{"name.001"});
    EXPECT_EQ(readFile(dir / "name.001"), "0123");
    EXPECT_EQ(readFile(dir / "name.002"), "old");
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"name", "name.001", "name.002"}));
}

TEST(SplitFile, StopBetweenChunksKeepsWhatIsWrittenAndWritesNoBatchFile) {
    TempDir dir;
    writeFile(dir / "name", "0123456789");
    ScriptedHost host;
    host.stopOnCall = 2; // after the first chunk of the second part

    const SplitResult result =
        splitFile(splitRequest(dir / "name", dir.path().string(), 4, RejoinBatchOptions{}), host);

    EXPECT_EQ(result.outcome, OperationOutcome::Stopped);
    EXPECT_EQ(result.partNames, (std::vector<std::string>{"name.001", "name.002"}));
    EXPECT_EQ(readFile(dir / "name.001"), "0123");
    EXPECT_EQ(readFile(dir / "name.002"), "4567");
    EXPECT_EQ(host.counter, 8);
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"name", "name.001", "name.002"}));
}

TEST(SplitFile, StopInsideAPartLeavesItWithTheChunksCopiedSoFar) {
    TempDir dir;
    const std::int64_t mib = 1 << 20;
    const std::string source = writeCountingFile(dir / "name", 20 * mib);
    ScriptedHost host;
    host.stopInFile = 2; // after the first chunk of part 2; a part of 9 MiB takes at least two

    const SplitResult result =
        splitFile(splitRequest(dir / "name", dir.path().string(), 9 * mib, RejoinBatchOptions{}), host);

    EXPECT_EQ(result.outcome, OperationOutcome::Stopped);
    EXPECT_EQ(result.partNames, (std::vector<std::string>{"name.001", "name.002"}));
    EXPECT_EQ(readFile(dir / "name.001"), source.substr(0, 9 * mib));
    const std::string second = readFile(dir / "name.002");
    EXPECT_GT(second.size(), 0u);
    EXPECT_LT(second.size(), 9u * mib);
    EXPECT_EQ(second, source.substr(9 * mib, second.size()));
    EXPECT_EQ(host.counter, 9 * mib + static_cast<std::int64_t>(second.size()));
    EXPECT_FALSE(exists(dir / "name.003"));
    EXPECT_FALSE(exists(dir / "name.bat"));
}

// procfs reports a size of 0 and copies nothing in the kernel; the buffered path must take over.
TEST(SplitFile, CopiesASourceTheKernelCannotCopyThroughTheBuffer) {
    TempDir dir;
    const std::string content = readFile("/proc/version");
    ASSERT_GT(content.size(), 20u);
    ScriptedHost host;

    const SplitResult result = splitFile(splitRequest("/proc/version", dir.path().string(), 10, std::nullopt), host);

    ASSERT_EQ(result.outcome, OperationOutcome::Completed);
    std::string joined;
    for (const std::string& name : result.partNames)
        joined += readFile(dir / name);
    EXPECT_EQ(joined, content);
    EXPECT_EQ(readFile(dir / "version.001"), content.substr(0, 10));
}

TEST(SplitFile, FullDeviceAsAPartFailsNamingItAndKeepsEarlierParts) {
    TempDir dir;
    writeFile(dir / "name", "0123456789");
    ASSERT_EQ(::symlink("/dev/full", (dir / "name.002").c_str()), 0);
    ScriptedHost host;

    const SplitResult result =
        splitFile(splitRequest(dir / "name", dir.path().string(), 4, RejoinBatchOptions{}), host);

    EXPECT_EQ(result.outcome, OperationOutcome::Failed);
    EXPECT_EQ(result.error.kind, OperationError::Kind::System);
    EXPECT_EQ(result.error.path, dir / "name.002");
    EXPECT_EQ(result.error.systemError, ENOSPC);
    EXPECT_FALSE(result.error.reason().empty());
    EXPECT_EQ(readFile(dir / "name.001"), "0123");
    EXPECT_FALSE(exists(dir / "name.003"));
    EXPECT_FALSE(exists(dir / "name.bat"));
    EXPECT_EQ(readFile(dir / "name"), "0123456789");
}

TEST(SplitFile, MissingSourceOrFolderTakesTheErrorPath) {
    TempDir dir;
    writeFile(dir / "name", "0123456789");
    ScriptedHost host;

    const SplitResult noSource = splitFile(splitRequest(dir / "gone", dir.path().string(), 4, std::nullopt), host);
    EXPECT_EQ(noSource.outcome, OperationOutcome::Failed);
    EXPECT_EQ(noSource.error.path, dir / "gone");
    EXPECT_EQ(noSource.error.systemError, ENOENT);

    const SplitResult noFolder = splitFile(splitRequest(dir / "name", dir / "nowhere", 4, std::nullopt), host);
    EXPECT_EQ(noFolder.outcome, OperationOutcome::Failed);
    EXPECT_EQ(noFolder.error.path, dir / "nowhere/name.001");
    EXPECT_TRUE(noFolder.partNames.empty());
}

// A part or the batch file that is the source under another name must not be touched.
TEST(SplitFile, RefusesBeforeWritingWhenAnOutputIsTheSource) {
    const std::vector<std::pair<std::string, bool>> links = {
        {"name.003", false}, // symlink
        {"name.002", true},  // hard link
        {"name.bat", false}, // symlink as the batch file
    };
    for (const auto& [linkName, hard] : links) {
        SCOPED_TRACE(linkName);
        TempDir dir;
        writeFile(dir / "name", "0123456789");
        const int made = hard ? ::link((dir / "name").c_str(), (dir / linkName).c_str())
                              : ::symlink((dir / "name").c_str(), (dir / linkName).c_str());
        ASSERT_EQ(made, 0);
        ScriptedHost host;

        const SplitResult result =
            splitFile(splitRequest(dir / "name", dir.path().string(), 4, RejoinBatchOptions{}), host);

        EXPECT_EQ(result.outcome, OperationOutcome::Refused);
        EXPECT_EQ(result.error.kind, OperationError::Kind::OutputIsInput);
        EXPECT_EQ(result.error.path, dir / linkName);
        EXPECT_EQ(result.error.inputPath, dir / "name");
        EXPECT_TRUE(host.overwriteQuestions.empty());
        EXPECT_EQ(readFile(dir / "name"), "0123456789");
        EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"name", linkName}));
    }
}

TEST(SplitFile, WritesTheBatchFileAfterACompleteSplit) {
    TempDir dir;
    writeFile(dir / "name", "0123456789");
    ScriptedHost host;

    const SplitResult result =
        splitFile(splitRequest(dir / "name", dir.path().string(), 4, RejoinBatchOptions{}), host);

    EXPECT_EQ(result.outcome, OperationOutcome::Completed);
    EXPECT_EQ(result.batch.status, RejoinBatchResult::Status::Written);
    EXPECT_EQ(readFile(dir / "name.bat"), rejoinBatchText(RejoinBatchOptions{}, result.partNames, "name").bytes);
}

TEST(SplitFile, NameUnfitForABatchFileCompletesTheSplitWithoutOne) {
    TempDir dir;
    const std::string name = "say \"hi\"";
    writeFile(dir / name, "0123456789");
    ScriptedHost host;

    const SplitResult result = splitFile(splitRequest(dir / name, dir.path().string(), 4, RejoinBatchOptions{}), host);

    EXPECT_EQ(result.outcome, OperationOutcome::Completed);
    EXPECT_EQ(result.batch.status, RejoinBatchResult::Status::UnsafeName);
    EXPECT_EQ(result.batch.unsafeName, name);
    EXPECT_EQ(result.partNames.size(), 3u);
    EXPECT_FALSE(exists(dir / (name + ".bat")));
}

// Asked for (the command-line tool), an existing batch file or script is asked about before any
// part is written; a Yes there covers the parts too.
TEST(SplitFile, AsksAboutAnExistingRejoinFileBeforeWritingAnything) {
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        TempDir dir;
        writeFile(dir / "name", "0123456789");
        writeFile(dir / "name.sh", "mine");
        writeFile(dir / "name.002", "old");
        ScriptedHost host;
        host.overwriteAnswer = yes;
        SplitRequest request = splitRequest(dir / "name", dir.path().string(), 4, RejoinBatchOptions{});
        request.script = RejoinScriptOptions{};
        request.askBeforeReplacingRejoinFiles = true;

        const SplitResult result = splitFile(request, host);

        EXPECT_EQ(host.overwriteQuestions, std::vector<std::string>{dir / "name.sh"});
        if (yes) {
            EXPECT_EQ(result.outcome, OperationOutcome::Completed);
            EXPECT_EQ(readFile(dir / "name.sh"), rejoinShellScript({}, result.partNames, "name"));
            EXPECT_EQ(readFile(dir / "name.002"), "4567");
        } else {
            EXPECT_EQ(result.outcome, OperationOutcome::Declined);
            EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"name", "name.002", "name.sh"}));
            EXPECT_EQ(readFile(dir / "name.sh"), "mine");
        }
    }
}

TEST(SplitFile, RefusesAPartSizeBelowOne) {
    TempDir dir;
    writeFile(dir / "name", "0123456789");
    ScriptedHost host;

    const SplitResult result = splitFile(splitRequest(dir / "name", dir.path().string(), 0, std::nullopt), host);

    EXPECT_EQ(result.outcome, OperationOutcome::Refused);
    EXPECT_EQ(result.error.kind, OperationError::Kind::InvalidRequest);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"name"});
}

TEST(SplitFile, ASplitOverAnEarlierOneRemovesItsHigherPartsAndNothingElse) {
    TempDir dir;
    writeFile(dir / "name", "0123456789");
    for (const char* stale : {"name.001", "name.004", "name.005", "name.1000"})
        writeFile(dir / stale, "earlier split");
    writeFile(dir / "outside", "not a part");
    ASSERT_EQ(::symlink((dir / "outside").c_str(), (dir / "name.006").c_str()), 0);
    ASSERT_EQ(::mkdir((dir / "name.007").c_str(), 0700), 0);
    ASSERT_EQ(::link((dir / "name").c_str(), (dir / "name.008").c_str()), 0); // the source itself
    for (const char* other : {"name.0009", "other.004", "other.bat"})
        writeFile(dir / other, "other");
    // The earlier split's batch file and checksum file describe its set; this split writes neither.
    for (const char* companion : {"name.bat", "name.sha256"})
        writeFile(dir / companion, "earlier split");
    ASSERT_EQ(::symlink((dir / "outside").c_str(), (dir / "name.sh").c_str()), 0);
    ScriptedHost host;

    const SplitResult result = splitFile(splitRequest(dir / "name", dir.path().string(), 4, std::nullopt), host);

    ASSERT_EQ(result.outcome, OperationOutcome::Completed);
    EXPECT_EQ(result.stalePartsRemoved, 5);
    EXPECT_EQ(namesIn(dir.path()),
              (std::vector<std::string>{"name", "name.0009", "name.001", "name.002", "name.003", "name.006", "name.007",
                                        "name.008", "name.sh", "other.004", "other.bat", "outside"}));
    EXPECT_EQ(readFile(dir / "outside"), "not a part");
    EXPECT_EQ(readFile(dir / "name.008"), "0123456789");
}

TEST(SplitFile, HigherPartsStayWhenNoPartWasOverwrittenOrTheSplitDidNotEnd) {
    TempDir dir;
    writeFile(dir / "name", "0123456789");
    writeFile(dir / "name.005", "earlier");
    ScriptedHost host;

    SplitResult result = splitFile(splitRequest(dir / "name", dir.path().string(), 4, std::nullopt), host);
    EXPECT_EQ(result.outcome, OperationOutcome::Completed);
    EXPECT_EQ(result.stalePartsRemoved, 0);
    EXPECT_EQ(readFile(dir / "name.005"), "earlier");

    ScriptedHost stopping;
    stopping.stopOnCall = 1; // a split over the first one, stopped in its first part
    result = splitFile(splitRequest(dir / "name", dir.path().string(), 4, std::nullopt), stopping);
    EXPECT_EQ(result.outcome, OperationOutcome::Stopped);
    EXPECT_EQ(readFile(dir / "name.005"), "earlier");
}

TEST(PartCount, GuardNeedsTwoParts) {
    struct Case {
        std::int64_t original, part, count;
        bool enough;
    };
    const std::int64_t fourGiB = std::int64_t{4} << 30;
    for (const Case& c : {Case{3000000, 1457664, 3, true}, Case{10, 10, 1, false}, Case{10, 11, 1, false},
                          Case{10, 9, 2, true}, Case{10, 0, 0, false}, Case{10, -4, 0, false}, Case{0, 4, 0, false},
                          Case{fourGiB + 1, std::int64_t{2048} << 20, 3, true}}) {
        EXPECT_EQ(PartCountForSize(c.original, c.part), c.count) << c.original << " / " << c.part;
        EXPECT_EQ(splitHasEnoughParts(c.original, c.part), c.enough) << c.original << " / " << c.part;
    }
}

} // namespace
