#include "EngineTestSupport.h"

#include "engine/SpecialSplit.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct CutCase {
    const char* title;
    CutCounting counting;
    std::vector<std::int64_t> positions;
    std::int64_t sourceSize;
    std::vector<std::pair<std::int64_t, std::int64_t>> parts; // begin, size of each file written
};

std::vector<CutEntry> entriesAt(const std::vector<std::int64_t>& positions) {
    std::vector<CutEntry> entries;
    for (std::size_t i = 0; i < positions.size(); ++i)
        entries.push_back({positions[i], "part" + std::to_string(i + 1)});
    return entries;
}

class SpecialSplitCases : public ::testing::TestWithParam<CutCase> {};

TEST_P(SpecialSplitCases, CutsAtTheListedPositions) {
    const CutCase& c = GetParam();
    TempDir dir;
    const std::string source = writeCountingFile(dir / "source", c.sourceSize);
    ScriptedHost host;

    const SpecialSplitResult result =
        specialSplit({dir / "source", dir.path().string(), entriesAt(c.positions), c.counting}, host);

    ASSERT_EQ(result.outcome, OperationOutcome::Completed);
    std::vector<std::string> expectedPaths;
    for (std::size_t i = 0; i < c.parts.size(); ++i) {
        const std::string path = dir / ("part" + std::to_string(i + 1));
        expectedPaths.push_back(path);
        EXPECT_EQ(readFile(path), source.substr(c.parts[i].first, c.parts[i].second)) << path;
    }
    EXPECT_EQ(result.partPaths, expectedPaths);
    EXPECT_EQ(host.currentFiles, expectedPaths); // the status line shows whole paths
    EXPECT_EQ(namesIn(dir.path()).size(), c.parts.size() + 1) << "no file for the entries past the end";
    EXPECT_EQ(host.counter, c.sourceSize + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, SpecialSplitCases,
    ::testing::Values(
        CutCase{"fromStart", CutCounting::FromStart, {0, 100, 200}, 300, {{0, 100}, {100, 100}, {200, 100}}},
        CutCase{"fromStartSkipping", CutCounting::FromStart, {50, 100}, 300, {{50, 50}, {100, 200}}},
        CutCase{"oneEntryIsTheWholeFile", CutCounting::FromStart, {0}, 300, {{0, 300}}},
        CutCase{"equalPositionsGiveAnEmptyPart",
                CutCounting::FromStart,
                {0, 100, 100},
                300,
                {{0, 100}, {100, 0}, {100, 200}}},
        CutCase{"sourceEndsInTheThirdPart",
                CutCounting::FromStart,
                {0, 100, 200, 400},
                300,
                {{0, 100}, {100, 100}, {200, 100}}},
        CutCase{"firstPositionAtTheEnd", CutCounting::FromStart, {300, 400}, 300, {}},
        CutCase{"fromPrevious", CutCounting::FromPreviousPart, {0, 100, 50}, 300, {{0, 100}, {100, 50}, {150, 150}}},
        CutCase{"fromPreviousSkipping",
                CutCounting::FromPreviousPart,
                {10, 100, 50},
                300,
                {{10, 100}, {110, 50}, {160, 140}}},
        CutCase{"lengthZeroGivesAnEmptyPart",
                CutCounting::FromPreviousPart,
                {0, 100, 0, 50},
                300,
                {{0, 100}, {100, 0}, {100, 50}, {150, 150}}},
        CutCase{"lengthsPastTheEnd", CutCounting::FromPreviousPart, {0, 250, 100}, 300, {{0, 250}, {250, 50}}}),
    [](const ::testing::TestParamInfo<CutCase>& info) { return std::string(info.param.title); });

TEST(SpecialSplit, SeeksPastFourGibibytesInASparseFile) {
    TempDir dir;
    const std::int64_t start = (std::int64_t{4} << 30) + 100;
    const std::int64_t size = start + 4096;
    {
        const int fd = ::open((dir / "sparse").c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, size), 0);
        ASSERT_EQ(::pwrite(fd, "marker", 6, start), 6);
        ASSERT_EQ(::close(fd), 0);
    }
    ScriptedHost host;

    const SpecialSplitResult result =
        specialSplit({dir / "sparse", dir.path().string(), {{start, "tail"}}, CutCounting::FromStart}, host);

    ASSERT_EQ(result.outcome, OperationOutcome::Completed);
    const std::string tail = readFile(dir / "tail");
    ASSERT_EQ(tail.size(), 4096u);
    EXPECT_EQ(tail.substr(0, 6), "marker");
    EXPECT_EQ(host.counter, size + 1); // the skipped bytes count although they were never read
}

TEST(SpecialSplit, RefusesAnEntryThatIsTheSource) {
    const std::vector<std::pair<const char*, int>> ways = {{"same name", 0}, {"symlink", 1}, {"hard link", 2}};
    for (const auto& [title, way] : ways) {
        SCOPED_TRACE(title);
        TempDir dir;
        writeCountingFile(dir / "source", 300);
        const std::string entryName = way == 0 ? "source" : "link";
        const std::string target = dir / "source", link = dir / "link";
        const int made = way == 0   ? 0
                         : way == 1 ? ::symlink(target.c_str(), link.c_str())
                                    : ::link(target.c_str(), link.c_str());
        ASSERT_EQ(made, 0);
        ScriptedHost host;

        const SpecialSplitResult result = specialSplit(
            {dir / "source", dir.path().string(), {{0, "first"}, {100, entryName}}, CutCounting::FromStart}, host);

        EXPECT_EQ(result.outcome, OperationOutcome::Refused);
        EXPECT_EQ(result.error.kind, OperationError::Kind::OutputIsInput);
        EXPECT_EQ(result.error.path, dir / entryName);
        EXPECT_FALSE(exists(dir / "first")) << "nothing is written before the refusal";
        EXPECT_EQ(readFile(dir / "source"), countingBytes(300));
    }
}

TEST(SpecialSplit, RefusesTwoEntriesThatNameOneFile) {
    const struct {
        const char* title;
        const char* first;
        const char* second;
        const char* link; // made beside the source before the split: "hard", "sym" or "dangling"
    } cases[] = {
        {"same name", "a", "a", ""},
        {"with ./", "a", "./a", ""},
        {"through a folder and back", "a", "sub/../a", ""},
        {"symlink to an existing part", "a", "l", "sym"},
        {"hard link to an existing part", "a", "l", "hard"},
        {"dangling symlink to the first", "a", "l", "dangling"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        TempDir dir;
        writeCountingFile(dir / "source", 300);
        ASSERT_EQ(::mkdir((dir / "sub").c_str(), 0700), 0);
        const std::string link(c.link);
        if (link == "sym" || link == "hard")
            writeFile(dir / "a", "old");
        if (link == "sym" || link == "dangling") {
            ASSERT_EQ(::symlink("a", (dir / "l").c_str()), 0);
        }
        if (link == "hard") {
            ASSERT_EQ(::link((dir / "a").c_str(), (dir / "l").c_str()), 0);
        }
        const std::vector<std::string> before = namesIn(dir.path());
        ScriptedHost host;
        host.overwriteAnswer = true;

        const SpecialSplitResult result = specialSplit({dir / "source",
                                                        dir.path().string(),
                                                        {{0, "first"}, {100, c.first}, {200, c.second}},
                                                        CutCounting::FromStart},
                                                       host);

        EXPECT_EQ(result.outcome, OperationOutcome::Refused);
        EXPECT_EQ(result.error.kind, OperationError::Kind::SameOutputTwice);
        EXPECT_EQ(result.error.inputPath, dir / c.first);
        EXPECT_EQ(result.error.path, dir / c.second);
        EXPECT_EQ(namesIn(dir.path()), before) << "nothing is written before the refusal";
        EXPECT_TRUE(host.overwriteQuestions.empty());
        if (link == "sym" || link == "hard") {
            EXPECT_EQ(readFile(dir / "a"), "old");
        }
    }
}

TEST(SpecialSplit, APartThatBecomesAnEarlierOneWhileWritingIsRefusedUntouched) {
    // The name only leads to the first part once that is written, as "B" does to "b" on a file
    // system that ignores case.
    struct LinkingHost : ScriptedHost {
        std::string link, target;
        void currentFile(const std::string& text) override {
            ScriptedHost::currentFile(text);
            if (currentFiles.size() == 1) {
                EXPECT_EQ(::symlink(target.c_str(), link.c_str()), 0);
            }
        }
    };
    TempDir dir;
    writeCountingFile(dir / "source", 300);
    LinkingHost host;
    host.link = dir / "second";
    host.target = dir / "first";

    const SpecialSplitResult result = specialSplit(
        {dir / "source", dir.path().string(), {{0, "first"}, {100, "second"}}, CutCounting::FromStart}, host);

    EXPECT_EQ(result.outcome, OperationOutcome::Refused);
    EXPECT_EQ(result.error.kind, OperationError::Kind::SameOutputTwice);
    EXPECT_EQ(result.error.inputPath, dir / "first");
    EXPECT_EQ(readFile(dir / "first"), countingBytes(300).substr(0, 100));
}

TEST(SpecialSplit, AsksWithTheFullPathAndNoKeepsEarlierParts) {
    TempDir dir;
    writeCountingFile(dir / "source", 300);
    writeFile(dir / "part2", "old");
    ScriptedHost host;
    host.overwriteAnswer = false;

    const SpecialSplitResult result =
        specialSplit({dir / "source", dir.path().string(), entriesAt({0, 100, 200}), CutCounting::FromStart}, host);

    EXPECT_EQ(result.outcome, OperationOutcome::Declined);
    EXPECT_EQ(host.overwriteQuestions, std::vector<std::string>{dir / "part2"});
    EXPECT_EQ(readFile(dir / "part1"), countingBytes(100));
    EXPECT_EQ(readFile(dir / "part2"), "old");
    EXPECT_FALSE(exists(dir / "part3"));
}

TEST(SpecialSplit, StopDuringTheSecondPartKeepsTheFirst) {
    TempDir dir;
    writeCountingFile(dir / "source", 300);
    ScriptedHost host;
    host.stopOnCall = 2;

    const SpecialSplitResult result =
        specialSplit({dir / "source", dir.path().string(), entriesAt({0, 100, 200}), CutCounting::FromStart}, host);

    EXPECT_EQ(result.outcome, OperationOutcome::Stopped);
    EXPECT_EQ(readFile(dir / "part1"), countingBytes(100));
    EXPECT_TRUE(exists(dir / "part2"));
    EXPECT_FALSE(exists(dir / "part3"));
}

TEST(SpecialSplit, FullDeviceAsAPartFailsNamingIt) {
    TempDir dir;
    writeCountingFile(dir / "source", 300);
    ASSERT_EQ(::symlink("/dev/full", (dir / "part2").c_str()), 0);
    ScriptedHost host;
    host.overwriteAnswer = true;

    const SpecialSplitResult result =
        specialSplit({dir / "source", dir.path().string(), entriesAt({0, 100, 200}), CutCounting::FromStart}, host);

    EXPECT_EQ(result.outcome, OperationOutcome::Failed);
    EXPECT_EQ(result.error.path, dir / "part2");
    EXPECT_EQ(readFile(dir / "part1"), countingBytes(100));
    EXPECT_FALSE(exists(dir / "part3"));
    EXPECT_EQ(readFile(dir / "source"), countingBytes(300));
}

TEST(SpecialSplit, RefusesUnusableEntries) {
    TempDir dir;
    writeCountingFile(dir / "source", 300);
    const std::vector<std::pair<std::vector<CutEntry>, CutCounting>> requests = {
        {{}, CutCounting::FromStart},
        {{{200, "a"}, {100, "b"}}, CutCounting::FromStart},
        {{{0, "a"}, {-5, "b"}}, CutCounting::FromPreviousPart},
        {{{0, ""}}, CutCounting::FromStart},
        // Lengths whose sum wraps past the 64-bit range.
        {{{1, "a"}, {std::numeric_limits<std::int64_t>::max(), "b"}}, CutCounting::FromPreviousPart},
        {{{0, "a"}, {1LL << 62, "b"}, {1LL << 62, "c"}, {1LL << 62, "d"}}, CutCounting::FromPreviousPart},
    };
    for (const auto& [entries, counting] : requests) {
        ScriptedHost host;
        const SpecialSplitResult result = specialSplit({dir / "source", dir.path().string(), entries, counting}, host);
        EXPECT_EQ(result.outcome, OperationOutcome::Refused);
        EXPECT_EQ(result.error.kind, OperationError::Kind::InvalidRequest);
    }
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"source"});
}

} // namespace
