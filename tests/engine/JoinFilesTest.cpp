#include "EngineTestSupport.h"

#include "engine/JoinFiles.h"
#include "engine/JoinRecognition.h"
#include "engine/SplitFile.h"

#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>
#include <random>
#include <unistd.h>

namespace {

// Three parts a.001 .. a.003 holding "first", "second", "third".
struct ThreeParts {
    TempDir dir;
    std::vector<std::string> paths = {dir / "a.001", dir / "a.002", dir / "a.003"};
    ThreeParts() {
        writeFile(paths[0], "first");
        writeFile(paths[1], "second");
        writeFile(paths[2], "third");
    }
};

TEST(JoinFiles, ConcatenatesInListOrderAndCountsOneMorePerPart) {
    ThreeParts parts;
    ScriptedHost host;

    const JoinResult result = joinFiles({parts.paths, parts.dir / "a", false}, host);

    EXPECT_EQ(result.outcome, OperationOutcome::Completed);
    EXPECT_EQ(readFile(parts.dir / "a"), "firstsecondthird");
    EXPECT_EQ(host.counter, 16 + 3);
    EXPECT_TRUE(result.missingParts.empty());
    EXPECT_TRUE(host.currentFiles.empty());
}

TEST(JoinFiles, MissingPartIsReportedAndSkipped) {
    ThreeParts parts;
    ASSERT_EQ(::unlink(parts.paths[1].c_str()), 0);
    ScriptedHost host;

    const JoinResult result = joinFiles({parts.paths, parts.dir / "a", false}, host);

    EXPECT_EQ(result.outcome, OperationOutcome::Completed);
    EXPECT_EQ(readFile(parts.dir / "a"), "firstthird");
    EXPECT_EQ(result.missingParts, std::vector<std::string>{parts.paths[1]});
    EXPECT_EQ(host.missingNotices, std::vector<std::string>{parts.paths[1]});
    EXPECT_EQ(host.currentFiles, std::vector<std::string>{"a.002"});
    EXPECT_EQ(host.counter, 10 + 2);
}

TEST(JoinFiles, MissingPartUnderTheDeleteOptionFailsBeforeTheOutputIsTouched) {
    ThreeParts parts;
    ASSERT_EQ(::unlink(parts.paths[1].c_str()), 0);
    writeFile(parts.dir / "a", "earlier output");
    ScriptedHost host;

    const JoinResult result = joinFiles({parts.paths, parts.dir / "a", true}, host);

    EXPECT_EQ(result.outcome, OperationOutcome::Failed);
    EXPECT_EQ(result.error.kind, OperationError::Kind::ReadFailed);
    EXPECT_EQ(result.error.path, parts.paths[1]);
    EXPECT_EQ(result.error.systemError, ENOENT);
    EXPECT_EQ(readFile(parts.dir / "a"), "earlier output");
    EXPECT_TRUE(result.deletedParts.empty());
    EXPECT_EQ(namesIn(parts.dir.path()), (std::vector<std::string>{"a", "a.001", "a.003"}));
}

TEST(JoinFiles, NoListedPartThereFailsAndLeavesAnEarlierOutput) {
    for (const bool deleteParts : {false, true}) {
        ThreeParts parts;
        for (const std::string& path : parts.paths)
            ASSERT_EQ(::unlink(path.c_str()), 0);
        writeFile(parts.dir / "a", "earlier output");
        ScriptedHost host;

        const JoinResult result = joinFiles({parts.paths, parts.dir / "a", deleteParts}, host);

        EXPECT_EQ(result.outcome, OperationOutcome::Failed) << deleteParts;
        EXPECT_EQ(result.error.path, parts.paths[0]);
        EXPECT_EQ(result.error.systemError, ENOENT);
        EXPECT_EQ(readFile(parts.dir / "a"), "earlier output");
    }
}

TEST(JoinFiles, DeleteOptionRemovesPartsOnlyOnceTheirBytesAreInTheOutput) {
    ThreeParts parts;
    ScriptedHost host;

    const JoinResult result = joinFiles({parts.paths, parts.dir / "a", true}, host);

    EXPECT_EQ(result.outcome, OperationOutcome::Completed);
    EXPECT_EQ(readFile(parts.dir / "a"), "firstsecondthird");
    EXPECT_EQ(result.deletedParts, parts.paths);
    EXPECT_EQ(namesIn(parts.dir.path()), std::vector<std::string>{"a"});
}

TEST(JoinFiles, DeleteOptionWithStopInTheSecondPartKeepsEveryByte) {
    ThreeParts parts;
    ScriptedHost host;
    host.stopOnCall = 3; // before part 1, after its chunk, before part 2: stop

    const JoinResult result = joinFiles({parts.paths, parts.dir / "a", true}, host);

    EXPECT_EQ(result.outcome, OperationOutcome::Stopped);
    EXPECT_EQ(readFile(parts.dir / "a"), "first");
    EXPECT_EQ(result.deletedParts, std::vector<std::string>{parts.paths[0]});
    EXPECT_EQ(readFile(parts.paths[1]), "second");
    EXPECT_EQ(readFile(parts.paths[2]), "third");
}

// Some kernels copy nothing from a procfs file (it reports a size of 0) instead of refusing,
// also after they have copied the parts before it.
TEST(JoinFiles, CopiesAProcfsPartAfterPartsTheKernelCopied) {
    ThreeParts parts;
    const std::string content = readFile("/proc/version");
    ASSERT_GT(content.size(), 20u);
    ScriptedHost host;

    const JoinResult result =
        joinFiles({{parts.paths[0], "/proc/version", parts.paths[2]}, parts.dir / "a", false}, host);

    EXPECT_EQ(result.outcome, OperationOutcome::Completed);
    EXPECT_EQ(readFile(parts.dir / "a"), "first" + content + "third");
    EXPECT_EQ(host.counter, static_cast<std::int64_t>(10 + content.size() + 3));
}

TEST(JoinFiles, FullOutputFailsNamingItAndDeletesNoPart) {
    ThreeParts parts;
    ASSERT_EQ(::symlink("/dev/full", (parts.dir / "a").c_str()), 0);
    ScriptedHost host;

    const JoinResult result = joinFiles({parts.paths, parts.dir / "a", true}, host);

    EXPECT_EQ(result.outcome, OperationOutcome::Failed);
    EXPECT_EQ(result.error.path, parts.dir / "a");
    EXPECT_EQ(result.error.systemError, ENOSPC);
    EXPECT_TRUE(result.deletedParts.empty());
    EXPECT_EQ(readFile(parts.paths[0]), "first");
}

TEST(JoinFiles, PartListedTwiceIsDeletedAfterItsLastTurn) {
    ThreeParts parts;
    ScriptedHost host;

    const JoinResult result =
        joinFiles({{parts.paths[0], parts.paths[1], parts.paths[0]}, parts.dir / "out", true}, host);

    EXPECT_EQ(result.outcome, OperationOutcome::Completed);
    EXPECT_EQ(readFile(parts.dir / "out"), "firstsecondfirst");
    EXPECT_TRUE(result.missingParts.empty());
    EXPECT_EQ(result.deletedParts, (std::vector<std::string>{parts.paths[1], parts.paths[0]}));
}

TEST(JoinFiles, RefusesAnOutputThatIsAPart) {
    const std::vector<std::pair<const char*, int>> ways = {{"same path", 0}, {"symlink", 1}, {"hard link", 2}};
    for (const auto& [title, way] : ways) {
        SCOPED_TRACE(title);
        ThreeParts parts;
        const std::string link = parts.dir / "out";
        const int made = way == 0   ? 0
                         : way == 1 ? ::symlink(parts.paths[2].c_str(), link.c_str())
                                    : ::link(parts.paths[2].c_str(), link.c_str());
        ASSERT_EQ(made, 0);
        const std::string output = way == 0 ? parts.paths[2] : link;
        ScriptedHost host;

        const JoinResult result = joinFiles({parts.paths, output, true}, host);

        EXPECT_EQ(result.outcome, OperationOutcome::Refused);
        EXPECT_EQ(result.error.kind, OperationError::Kind::OutputIsInput);
        EXPECT_EQ(result.error.path, output);
        EXPECT_EQ(result.error.inputPath, parts.paths[2]);
        EXPECT_EQ(readFile(parts.paths[2]), "third");
        EXPECT_TRUE(result.deletedParts.empty());
    }
}

// A missing part that the output would bring into being must not be read while it is written.
TEST(JoinFiles, NeverReadsTheOutputAsOneOfItsParts) {
    {
        ThreeParts parts;
        ScriptedHost host;
        const std::string missing = parts.dir / "a.004";
        const JoinResult result = joinFiles({{parts.paths[0], missing}, missing, false}, host);
        EXPECT_EQ(result.outcome, OperationOutcome::Refused);
        EXPECT_EQ(result.error.kind, OperationError::Kind::OutputIsInput);
        EXPECT_FALSE(exists(missing));
    }
    {
        ThreeParts parts;
        ScriptedHost host;
        const std::string link = parts.dir / "a.004"; // a dangling link to where the output goes
        ASSERT_EQ(::symlink((parts.dir / "out").c_str(), link.c_str()), 0);
        const JoinResult result = joinFiles({{parts.paths[0], link}, parts.dir / "out", false}, host);
        EXPECT_EQ(result.outcome, OperationOutcome::Failed);
        EXPECT_EQ(result.error.kind, OperationError::Kind::OutputIsInput);
        EXPECT_EQ(result.error.inputPath, link);
        EXPECT_EQ(readFile(parts.dir / "out"), "first");
    }
    {
        ThreeParts parts; // relative part names, as on a command line
        const std::filesystem::path before = std::filesystem::current_path();
        std::filesystem::current_path(parts.dir.path());
        ScriptedHost host;
        const JoinResult result = joinFiles({{"a.001", "a.004"}, parts.dir / "a.004", false}, host);
        std::filesystem::current_path(before);
        EXPECT_EQ(result.outcome, OperationOutcome::Refused);
        EXPECT_EQ(result.error.kind, OperationError::Kind::OutputIsInput);
        EXPECT_FALSE(exists(parts.dir / "a.004"));
    }
}

TEST(JoinFiles, UnreadablePartFailsNamingIt) {
    ThreeParts parts;
    ASSERT_EQ(::mkdir((parts.dir / "folder.002").c_str(), 0755), 0);
    ScriptedHost host;

    const JoinResult result =
        joinFiles({{parts.paths[0], parts.dir / "folder.002", parts.paths[2]}, parts.dir / "a", true}, host);

    EXPECT_EQ(result.outcome, OperationOutcome::Failed);
    EXPECT_EQ(result.error.kind, OperationError::Kind::ReadFailed);
    EXPECT_EQ(result.error.path, parts.dir / "folder.002");
    EXPECT_EQ(result.error.systemError, EISDIR);
    EXPECT_EQ(readFile(parts.dir / "a"), "first");
}

TEST(JoinFiles, SplitIntoMoreThanAThousandPartsJoinsBackFromAShuffledList) {
    TempDir dir;
    const std::string original = countingBytes(1200);
    writeFile(dir / "big.bin", original);
    ScriptedHost host;
    const SplitResult split =
        splitFile(splitRequest(dir / "big.bin", (dir.path() / "parts").string(), 1, std::nullopt), host);
    ASSERT_EQ(split.outcome, OperationOutcome::Failed); // the folder does not exist yet
    ASSERT_EQ(::mkdir((dir / "parts").c_str(), 0755), 0);
    ASSERT_EQ(splitFile(splitRequest(dir / "big.bin", dir / "parts", 1, std::nullopt), host).outcome,
              OperationOutcome::Completed);

    std::vector<JoinCandidate> items;
    for (const std::string& name : namesIn(dir.path() / "parts"))
        items.push_back({dir / ("parts/" + name), 1, false});
    std::shuffle(items.begin(), items.end(), std::mt19937(3));
    const JoinPlan plan = planJoin(items, JoinOrderPolicy::AskWhenUnclear);
    ASSERT_TRUE(plan.orderClear);
    ASSERT_FALSE(plan.showOrderDialog);
    const std::string output = dir / defaultJoinOutputName(plan.joinList.front());
    ASSERT_EQ(output, dir / "big.bin");
    ASSERT_EQ(::rename(output.c_str(), (dir / "original").c_str()), 0);

    EXPECT_EQ(joinFiles({plan.joinList, output, true}, host).outcome, OperationOutcome::Completed);
    EXPECT_EQ(readFile(output), original);
    EXPECT_TRUE(namesIn(dir.path() / "parts").empty());
}

TEST(ChooseJoinOutputPath, AsksWhileTheChosenNameExists) {
    TempDir dir;
    writeFile(dir / "movie.avi", "x");
    writeFile(dir / "other.bin", "y");

    {
        ScriptedHost host; // a free name needs no question
        EXPECT_EQ(chooseJoinOutputPath(dir.path().string(), "free.bin", host), dir / "free.bin");
        EXPECT_TRUE(host.existingQuestions.empty());
    }
    {
        ScriptedHost host;
        host.existingAnswers = {ExistingOutputChoice::Overwrite};
        EXPECT_EQ(chooseJoinOutputPath(dir.path().string(), "movie.avi", host), dir / "movie.avi");
    }
    {
        ScriptedHost host;
        host.existingAnswers = {ExistingOutputChoice::Cancel};
        EXPECT_EQ(chooseJoinOutputPath(dir.path().string(), "movie.avi", host), std::nullopt);
    }
    {
        ScriptedHost host; // renamed to a name that exists too, then to a free one
        host.existingAnswers = {ExistingOutputChoice::Rename, ExistingOutputChoice::Rename};
        host.nameAnswers = {std::string("other.bin"), std::string("new.bin")};
        EXPECT_EQ(chooseJoinOutputPath(dir.path().string() + "/", "movie.avi", host), dir / "new.bin");
        EXPECT_EQ(host.existingQuestions, (std::vector<std::string>{dir / "movie.avi", dir / "other.bin"}));
        EXPECT_EQ(host.nameQuestions, (std::vector<std::string>{"movie.avi", "other.bin"}));
    }
    for (const std::optional<std::string>& cancelled : {std::optional<std::string>(), std::optional<std::string>("")}) {
        ScriptedHost host;
        host.existingAnswers = {ExistingOutputChoice::Rename};
        host.nameAnswers = {cancelled};
        EXPECT_EQ(chooseJoinOutputPath(dir.path().string(), "movie.avi", host), std::nullopt);
    }
    EXPECT_EQ(readFile(dir / "movie.avi"), "x");
}

} // namespace
