#include "EngineTestSupport.h"

#include "engine/JoinRecognition.h"
#include "engine/PartSets.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

std::vector<JoinCandidate> candidates(const std::vector<std::string>& names) {
    std::vector<JoinCandidate> items;
    for (const std::string& name : names)
        items.push_back({"/d/" + name, 1, false});
    return items;
}

std::vector<std::string> inFolder(const std::vector<std::string>& names) {
    std::vector<std::string> paths;
    for (const std::string& name : names)
        paths.push_back("/d/" + name);
    return paths;
}

TEST(PartSets, GapsAreTheNumbersEachOriginalLacksFromOne) {
    struct Case {
        std::vector<std::string> names;
        std::string gapText; // empty: no gap
    };
    const std::vector<Case> cases = {
        {{"m.003", "m.001", "m.002"}, ""},
        {{"m.001", "m.003"}, "m.002"},
        {{"m.002", "m.003"}, "m.001"},                    // no .001
        {{"m.001", "m.005"}, "m.002 … m.004"},            // a run of missing parts
        {{"m.001", "m.004"}, "m.002, m.003"},             // two of them are named both
        {{"m.999", "m.1000", "m.1001"}, "m.001 … m.998"}, // past three digits
        // Each original counts on its own: a.zip has no .002 although b.avi has one.
        {{"a.zip.001", "b.avi.001", "b.avi.002", "a.zip.003"}, "a.zip.002"},
        {{"m.001", "m.001", "m.002"}, ""}, // listed twice
    };
    for (const Case& c : cases) {
        const JoinPlan plan = planJoin(candidates(c.names), JoinOrderPolicy::AskWhenUnclear);
        EXPECT_EQ(gapListText(plan.gaps), c.gapText) << c.names.front();
        EXPECT_EQ(plan.gaps.empty(), c.gapText.empty());
    }
    const std::vector<PartGap> gaps = partGaps({{"/d/m.001", 1, "/d/m"}, {"/d/m.010", 10, "/d/m"}});
    ASSERT_EQ(gaps.size(), 1u);
    EXPECT_EQ(gaps[0].setPath, "/d/m");
    EXPECT_EQ(gaps[0].first, 2);
    EXPECT_EQ(gaps[0].last, 9);
}

TEST(PartSets, ALongGapListEndsWithAnEllipsis) {
    std::vector<PartGap> gaps;
    for (int n = 2; n <= 30; n += 2)
        gaps.push_back({"/d/m", n, n});
    EXPECT_EQ(gapListText(gaps, 3), "m.002, m.004, m.006, …");
}

TEST(PartSets, CompanionFilesOfTheListedOriginalsAreLeftOutAndKeepTheOrderClear) {
    struct Case {
        const char* title;
        std::vector<std::string> names;
        JoinOrderPolicy policy;
        std::vector<std::string> joinList;
        std::vector<std::string> leftOut;
        bool showOrderDialog;
    };
    const auto Ask = JoinOrderPolicy::AskWhenUnclear;
    const std::vector<Case> cases = {
        {"companions",
         {"movie.avi.002", "movie.avi.bat", "movie.avi.001", "movie.avi.sh", "movie.avi.003", "movie.avi.sha256"},
         Ask,
         {"movie.avi.001", "movie.avi.002", "movie.avi.003"},
         {"movie.avi.bat", "movie.avi.sh", "movie.avi.sha256"},
         false},
        // Another original's batch file is a foreign file: the order is unclear.
        {"anotherOriginal",
         {"movie.avi.001", "other.avi.bat", "movie.avi.002"},
         Ask,
         {"movie.avi.001", "other.avi.bat", "movie.avi.002"},
         {},
         true},
        // The dialog for an unclear order does not offer the companions either.
        {"unclearWithCompanion",
         {"movie.avi.002", "readme.txt", "movie.avi.bat", "movie.avi.001"},
         Ask,
         {"movie.avi.002", "readme.txt", "movie.avi.001"},
         {"movie.avi.bat"},
         true},
        {"withoutParts", {"movie.avi.bat", "movie.avi.sh"}, Ask, {"movie.avi.bat", "movie.avi.sh"}, {}, true},
        {"alwaysAsk",
         {"movie.avi.sha256", "movie.avi.001", "movie.avi.002"},
         JoinOrderPolicy::AlwaysAsk,
         {"movie.avi.001", "movie.avi.002"},
         {"movie.avi.sha256"},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const JoinPlan plan = planJoin(candidates(c.names), c.policy);
        EXPECT_EQ(plan.joinList, inFolder(c.joinList));
        EXPECT_EQ(plan.companionsLeftOut, inFolder(c.leftOut));
        EXPECT_EQ(plan.showOrderDialog, c.showOrderDialog);
        EXPECT_EQ(plan.totalSize, static_cast<std::int64_t>(c.joinList.size()));
    }
}

TEST(PartSets, PartsInFolderFindsTheWholeRunPastThreeDigits) {
    TempDir dir;
    for (const char* name : {"m.bin.001", "m.bin.002", "m.bin.999", "m.bin.1000", "m.bin.1001"})
        writeFile(dir / name, name);
    // Neither another original, nor a name that is no part extension, nor a companion, nor a folder.
    for (const char* name : {"m.bin", "m.bin.01", "m.bin.0003", "m.bin.bat", "xm.bin.003", "m.bin.001.bak"})
        writeFile(dir / name, "x");
    ASSERT_EQ(::mkdir((dir / "m.bin.004").c_str(), 0700), 0);

    const std::vector<RecognisedPart> parts = partsInFolder(dir / "m.bin");

    std::vector<std::int64_t> numbers;
    std::vector<std::string> paths;
    for (const RecognisedPart& part : parts) {
        numbers.push_back(part.number);
        paths.push_back(part.path);
        EXPECT_EQ(part.size, static_cast<std::int64_t>(readFile(part.path).size()));
        EXPECT_EQ(part.setPath, dir / "m.bin");
    }
    EXPECT_EQ(numbers, (std::vector<std::int64_t>{1, 2, 999, 1000, 1001}));
    EXPECT_EQ(paths, (std::vector<std::string>{dir / "m.bin.001", dir / "m.bin.002", dir / "m.bin.999",
                                               dir / "m.bin.1000", dir / "m.bin.1001"}));
    EXPECT_TRUE(partsInFolder(dir / "nothing").empty());
}

TEST(PartSets, SetPathAndCompanionOwner) {
    EXPECT_EQ(partSetPath("/d/movie.avi.007"), "/d/movie.avi");
    EXPECT_EQ(partSetPath("/d/movie.avi.1000"), "/d/movie.avi");
    EXPECT_EQ(partSetPath("/d/movie.avi"), "");
    EXPECT_EQ(companionOwner("/d/movie.avi.bat"), "/d/movie.avi");
    EXPECT_EQ(companionOwner("/d/movie.avi.sh"), "/d/movie.avi");
    EXPECT_EQ(companionOwner("/d/movie.avi.sha256"), "/d/movie.avi");
    EXPECT_EQ(companionOwner("/d/movie.avi.txt"), "");
}

} // namespace
