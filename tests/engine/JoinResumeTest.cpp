#include "EngineTestSupport.h"

#include "engine/JoinFiles.h"
#include "engine/JoinJournal.h"

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// A host that can act on the files between chunks, as another program might.
class ActingHost : public ScriptedHost {
public:
    bool stopRequested() override {
        const bool stop = ScriptedHost::stopRequested();
        if (act)
            act();
        return stop;
    }
    std::function<void()> act;
};

// An original of 4,500 bytes in five parts; the delete option syncs after every part.
struct FiveParts {
    TempDir dir;
    std::string original = scrambledBytes(4500);
    std::vector<std::string> paths;
    std::string output = dir / "a";

    FiveParts() {
        for (int index = 0; index < 5; ++index) {
            paths.push_back(dir / ("a.00" + std::to_string(index + 1)));
            writeFile(paths.back(), original.substr(static_cast<std::size_t>(index) * 1000, 1000));
        }
    }
    JoinRequest request(std::vector<std::string> parts) const {
        JoinRequest request{std::move(parts), output, true};
        request.syncEvery = 1;
        return request;
    }
    std::vector<std::string> from(std::size_t first) const {
        return {paths.begin() + static_cast<std::ptrdiff_t>(first), paths.end()};
    }
};

// Before part 1, after its chunk, before part 2, after its chunk, before part 3: stop there.
constexpr int StopBeforeTheThirdPart = 5;

void stopAfterTwoParts(FiveParts& parts) {
    ScriptedHost host;
    host.stopOnCall = StopBeforeTheThirdPart;
    const JoinResult first = joinFiles(parts.request(parts.paths), host);
    ASSERT_EQ(first.outcome, OperationOutcome::Stopped);
    ASSERT_EQ(first.deletedParts, std::vector<std::string>(parts.paths.begin(), parts.paths.begin() + 2));
}

// A write that fails once the output holds two parts and a few bytes of the third.
void failWritingTheThirdPart(FiveParts& parts) {
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 2010;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    ScriptedHost host;
    const JoinResult first = joinFiles(parts.request(parts.paths), host);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    ASSERT_EQ(first.outcome, OperationOutcome::Failed);
    ASSERT_EQ(first.error.path, parts.output);
    ASSERT_EQ(first.deletedParts, std::vector<std::string>(parts.paths.begin(), parts.paths.begin() + 2));
}

// What power lost at a bad moment leaves: the third part's bytes half written after the last
// sync, part 2's removal lost although the journal records it, and a journal line cut short.
void crashAfterTwoParts(FiveParts& parts) {
    const std::string secondPart = parts.dir / "kept";
    ASSERT_EQ(::link(parts.paths[1].c_str(), secondPart.c_str()), 0);
    stopAfterTwoParts(parts);
    ASSERT_EQ(::rename(secondPart.c_str(), parts.paths[1].c_str()), 0);
    writeFile(parts.output, readFile(parts.output) + parts.original.substr(2000, 700));
    const std::string journal = joinJournalPath(parts.output);
    writeFile(journal, readFile(journal) + "deleted 2 2000 30");
}

TEST(JoinResume, TheSameJoinAfterAnInterruptionRebuildsTheOriginal) {
    struct Case {
        const char* title;
        void (*interrupt)(FiveParts&);
        std::size_t firstListed; // 0: the same list as before; 2: what a glob still finds
    };
    const Case cases[] = {
        {"stop, same list", stopAfterTwoParts, 0},
        {"stop, the parts still there", stopAfterTwoParts, 2},
        {"failed write", failWritingTheThirdPart, 2},
        {"crash", crashAfterTwoParts, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        FiveParts parts;
        c.interrupt(parts);
        if (::testing::Test::HasFatalFailure())
            return;
        EXPECT_TRUE(exists(joinJournalPath(parts.output)));

        ScriptedHost host;
        host.existingAnswers = {ExistingOutputChoice::Overwrite};
        const std::optional<std::string> output = chooseJoinOutputPath(parts.dir.path().string(), "a", host);
        EXPECT_EQ(output, parts.output);
        EXPECT_TRUE(host.existingQuestions.empty()); // "overwrite" is never on offer
        const JoinResult again = joinFiles(parts.request(parts.from(c.firstListed)), host);

        EXPECT_EQ(again.outcome, OperationOutcome::Completed);
        EXPECT_TRUE(again.resumed);
        EXPECT_EQ(again.deletedEarlier, std::vector<std::string>(parts.paths.begin(), parts.paths.begin() + 2));
        EXPECT_TRUE(again.partsLeft.empty());
        EXPECT_TRUE(sameBytes(readFile(parts.output), parts.original));
        EXPECT_EQ(namesIn(parts.dir.path()), std::vector<std::string>{"a"});
    }
}

TEST(JoinResume, AResumeThatIsNotSafeIsRefusedAndTouchesNothing) {
    struct Case {
        const char* title;
        std::function<void(FiveParts&)> change;
        std::size_t firstListed;
        ResumeProblem problem;
    };
    const Case cases[] = {
        {"other order", [](FiveParts& p) { std::swap(p.paths[3], p.paths[4]); }, 2, ResumeProblem::OtherParts},
        {"another part",
         [](FiveParts& p) {
             p.paths[4] = p.dir / "b.005";
             writeFile(p.paths[4], "other");
         },
         2, ResumeProblem::OtherParts},
        {"output shortened", [](FiveParts& p) { ASSERT_EQ(::truncate(p.output.c_str(), 1999), 0); }, 2,
         ResumeProblem::OutputChanged},
        {"output replaced",
         [](FiveParts& p) {
             writeFile(p.dir / "other", p.original.substr(0, 2000));
             ASSERT_EQ(::rename((p.dir / "other").c_str(), p.output.c_str()), 0);
         },
         2, ResumeProblem::OutputChanged},
        {"part changed", [](FiveParts& p) { writeFile(p.paths[3], "short"); }, 2, ResumeProblem::PartChanged},
        {"journal damaged", [](FiveParts& p) { writeFile(joinJournalPath(p.output), "parcelon join journal 1\nx\n"); },
         2, ResumeProblem::JournalUnreadable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        FiveParts parts;
        stopAfterTwoParts(parts);
        if (::testing::Test::HasFatalFailure())
            return;
        c.change(parts);
        const std::string outputBefore = readFile(parts.output);
        const std::string journalBefore = readFile(joinJournalPath(parts.output));
        const std::vector<std::string> namesBefore = namesIn(parts.dir.path());
        ScriptedHost host;

        const JoinResult again = joinFiles(parts.request(parts.from(c.firstListed)), host);

        EXPECT_EQ(again.outcome, OperationOutcome::Refused);
        EXPECT_EQ(again.error.kind, OperationError::Kind::NotResumable);
        EXPECT_EQ(again.error.inputPath, joinJournalPath(parts.output));
        EXPECT_EQ(again.resumeProblem, c.problem);
        EXPECT_EQ(readFile(parts.output), outputBefore);
        EXPECT_EQ(readFile(joinJournalPath(parts.output)), journalBefore);
        EXPECT_EQ(namesIn(parts.dir.path()), namesBefore);
    }
}

// Only the regular file that was read is ever deleted: not a FIFO, not a file moved onto a
// part's name after the part was read.
TEST(JoinResume, TheDeleteOptionDeletesOnlyTheFileThatWasRead) {
    TempDir dir;
    const std::string regular = dir / "a.001";
    const std::string fifo = dir / "a.002";
    const std::string replaced = dir / "a.003";
    writeFile(regular, "first");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    writeFile(replaced, "third");
    writeFile(dir / "newcomer", "not read");
    std::thread writer([&] { writeFile(fifo, "second"); });
    ActingHost host;
    host.act = [&] {
        // Once "third" has been copied, another file takes its name.
        if (host.counter >= 16 + 2 && exists(dir / "newcomer")) {
            ASSERT_EQ(::rename((dir / "newcomer").c_str(), replaced.c_str()), 0);
        }
    };

    const JoinResult result = joinFiles({{regular, fifo, replaced}, dir / "a", true}, host);
    writer.join();

    EXPECT_EQ(result.outcome, OperationOutcome::Completed);
    EXPECT_EQ(readFile(dir / "a"), "firstsecondthird");
    EXPECT_EQ(result.deletedParts, std::vector<std::string>{regular});
    ASSERT_EQ(result.partsLeft.size(), 2u);
    EXPECT_EQ(result.partsLeft[0].path, fifo);
    EXPECT_EQ(result.partsLeft[0].why, PartLeft::Why::NotRegularFile);
    EXPECT_EQ(result.partsLeft[1].path, replaced);
    EXPECT_EQ(result.partsLeft[1].why, PartLeft::Why::NotTheFileRead);
    EXPECT_EQ(readFile(replaced), "not read");
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"a", "a.002", "a.003"}));
}

} // namespace
