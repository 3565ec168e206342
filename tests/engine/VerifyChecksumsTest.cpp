#include "EngineTestSupport.h"

#include "engine/SplitFile.h"
#include "engine/VerifyChecksums.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using State = FileCheck::State;

// "name" split into name.001 ... name.003 with its checksum file.
void splitWithChecksums(const TempDir& dir) {
    writeScrambledFile(dir / "name", 2500);
    SplitRequest request = splitRequest(dir / "name", dir.path().string(), 1000, std::nullopt);
    request.checksums = true;
    ScriptedHost host;
    ASSERT_EQ(splitFile(request, host).outcome, OperationOutcome::Completed);
}

void damageOneByte(const std::string& path) {
    std::string bytes = readFile(path);
    bytes[bytes.size() / 2] ^= 1;
    writeFile(path, bytes);
}

struct VerifyCase {
    const char* title;
    std::vector<std::string> removed;
    std::vector<std::string> damaged;
    std::vector<State> states; // name.001, .002, .003, name
    bool confirmed;
};

class VerifyCases : public ::testing::TestWithParam<VerifyCase> {};

TEST_P(VerifyCases, ChecksEveryListedFileThatIsThere) {
    const VerifyCase& c = GetParam();
    TempDir dir;
    splitWithChecksums(dir);
    for (const std::string& name : c.removed)
        ASSERT_EQ(::unlink((dir / name).c_str()), 0);
    for (const std::string& name : c.damaged)
        damageOneByte(dir / name);
    ScriptedHost host;

    const VerifyPlan plan = planVerify(dir / "name.sha256");
    const VerifyResult result = verifyChecksums(plan, host);

    ASSERT_EQ(result.outcome, OperationOutcome::Completed);
    std::vector<State> states;
    for (const FileCheck& check : result.checks)
        states.push_back(check.state);
    EXPECT_EQ(states, c.states);
    EXPECT_TRUE(result.checks.back().isOriginal);
    EXPECT_EQ(result.confirmed, c.confirmed);
    EXPECT_EQ(host.counter, plan.totalBytes);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, VerifyCases,
    ::testing::Values(
        VerifyCase{"allThere", {}, {}, {State::Ok, State::Ok, State::Ok, State::Ok}, true},
        VerifyCase{"partsOnly", {"name"}, {}, {State::Ok, State::Ok, State::Ok, State::Missing}, true},
        VerifyCase{"originalOnly",
                   {"name.001", "name.002", "name.003"},
                   {},
                   {State::Missing, State::Missing, State::Missing, State::Ok},
                   true},
        VerifyCase{"damagedPart", {"name"}, {"name.002"}, {State::Ok, State::Failed, State::Ok, State::Missing}, false},
        VerifyCase{
            "missingPart", {"name", "name.003"}, {}, {State::Ok, State::Ok, State::Missing, State::Missing}, false},
        VerifyCase{"damagedOriginalAndPart",
                   {},
                   {"name", "name.001"},
                   {State::Failed, State::Ok, State::Ok, State::Failed},
                   false}),
    [](const ::testing::TestParamInfo<VerifyCase>& info) { return std::string(info.param.title); });

TEST(VerifyChecksums, AnUnreadableEntryAndAStopAreReported) {
    TempDir dir;
    splitWithChecksums(dir);
    ASSERT_EQ(::unlink((dir / "name.002").c_str()), 0);
    ASSERT_EQ(::mkdir((dir / "name.002").c_str(), 0755), 0);
    ScriptedHost host;
    const VerifyResult result = verifyChecksums(planVerify(dir / "name.sha256"), host);
    EXPECT_EQ(result.checks[1].state, State::Unreadable);
    EXPECT_EQ(result.checks[1].systemError, EISDIR);
    EXPECT_TRUE(result.confirmed) << "the original still vouches for itself";

    ScriptedHost stopping;
    stopping.stopOnCall = 1;
    const VerifyResult stopped = verifyChecksums(planVerify(dir / "name.sha256"), stopping);
    EXPECT_EQ(stopped.outcome, OperationOutcome::Stopped);
    EXPECT_FALSE(stopped.confirmed);
}

TEST(VerifyChecksums, FindsTheChecksumFileFromAPartOrTheOriginal) {
    TempDir dir;
    writeFile(dir / "own.001.sha256", "");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/x/movie.avi.sha256", "/x/movie.avi.sha256"},
        {"/x/movie.avi", "/x/movie.avi.sha256"},
        {"/x/movie.avi.007", "/x/movie.avi.sha256"},
        {"/x/movie.avi.1000", "/x/movie.avi.sha256"},
        {"movie.avi.001", "movie.avi.sha256"},
        {"/x/movie.avi.01", "/x/movie.avi.01.sha256"}, // no part extension
        {dir / "own.001", dir / "own.001.sha256"},     // a file of that name has its own
    };
    for (const auto& [file, expected] : cases)
        EXPECT_EQ(checksumFileToVerify(file), expected) << file;
}

} // namespace
