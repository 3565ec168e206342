#include "engine/JoinRecognition.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace {

TEST(JoinRecognition, ReadsTheWholeDigitRunAfterTheLastPoint) {
    struct Case {
        const char* name;
        std::optional<std::int64_t> reading; // partNumberReading
        std::optional<std::int64_t> number;  // partNumberOf
    };
    const std::vector<Case> cases = {
        {"x.avi.007", 7, 7},
        {"x.avi.010", 10, 10},
        {"x.100", 100, 100},
        {"x.1000", 1000, 1000},
        {"x.12345", 12345, 12345},
        {"x.txt", std::nullopt, std::nullopt},
        {"x.1ab", std::nullopt, std::nullopt},
        {"x.12a", std::nullopt, std::nullopt},
        {"x.", std::nullopt, std::nullopt},
        {"a123", 123, std::nullopt}, // no point: read, but belongs to no number
        {"x.01", 1, std::nullopt},   // not the extension of 1
        {"x.0001", 1, std::nullopt},
        {"x.000", 0, std::nullopt},
        {"x.0100", 100, std::nullopt},
        {"x.99999999999999999999", std::nullopt, std::nullopt}, // too long for 64 bits
    };
    for (const Case& c : cases) {
        EXPECT_EQ(partNumberReading(c.name), c.reading) << c.name;
        EXPECT_EQ(partNumberOf(c.name), c.number) << c.name;
    }
}

TEST(JoinRecognition, HighestPartNumberOverAllNames) {
    EXPECT_EQ(HighestPartNumber({}), 0);
    EXPECT_EQ(HighestPartNumber({"readme.txt", "x.1ab"}), 0);
    EXPECT_EQ(HighestPartNumber({"m.avi.003", "m.avi.1000", "readme.txt", "x.1ab"}), 1000);
}

struct PlanCase {
    const char* title;
    std::vector<std::pair<std::string, bool>> items; // name, selected
    JoinOrderPolicy policy;
    std::vector<std::string> joinList;
    bool orderClear;
    bool showOrderDialog;
};

class JoinPlans : public ::testing::TestWithParam<PlanCase> {};

TEST_P(JoinPlans, RecognisesTheOrder) {
    const PlanCase& c = GetParam();
    std::vector<JoinCandidate> items;
    for (const auto& [name, selected] : c.items)
        items.push_back({"/d/" + name, static_cast<std::int64_t>(name.size()), selected});

    const JoinPlan plan = planJoin(items, c.policy);

    std::vector<std::string> expected;
    std::int64_t total = 0;
    for (const std::string& name : c.joinList) {
        expected.push_back("/d/" + name);
        total += static_cast<std::int64_t>(name.size());
    }
    EXPECT_EQ(plan.joinList, expected);
    EXPECT_EQ(plan.totalSize, total);
    EXPECT_EQ(plan.orderClear, c.orderClear);
    EXPECT_EQ(plan.showOrderDialog, c.showOrderDialog);
    EXPECT_EQ(plan.nothingRecognised, expected.empty());
}

const auto Ask = JoinOrderPolicy::AskWhenUnclear;
const auto Always = JoinOrderPolicy::AlwaysAsk;
const auto Never = JoinOrderPolicy::NeverAsk;

INSTANTIATE_TEST_SUITE_P(
    Engine, JoinPlans,
    ::testing::Values(
        PlanCase{"outOfOrder",
                 {{"movie.avi.003", false}, {"movie.avi.001", false}, {"movie.avi.002", false}},
                 Ask,
                 {"movie.avi.001", "movie.avi.002", "movie.avi.003"},
                 true,
                 false},
        PlanCase{"alwaysAskShowsThePartOrder",
                 {{"movie.avi.003", false}, {"movie.avi.001", false}, {"movie.avi.002", false}},
                 Always,
                 {"movie.avi.001", "movie.avi.002", "movie.avi.003"},
                 true,
                 true},
        PlanCase{"gap",
                 {{"movie.avi.003", false}, {"movie.avi.001", false}},
                 Ask,
                 {"movie.avi.001", "movie.avi.003"},
                 true,
                 false},
        PlanCase{"foreignFileAsksWithListOrder",
                 {{"movie.avi.002", false}, {"readme.txt", false}, {"movie.avi.001", false}},
                 Ask,
                 {"movie.avi.002", "readme.txt", "movie.avi.001"},
                 false,
                 true},
        PlanCase{"foreignFileLeftOutWhenNeverAsking",
                 {{"movie.avi.002", false}, {"readme.txt", false}, {"movie.avi.001", false}},
                 Never,
                 {"movie.avi.001", "movie.avi.002"},
                 false,
                 false},
        PlanCase{"twoOriginalsKeepListOrderWithinANumber",
                 {{"b.avi.002", false}, {"b.avi.001", false}, {"a.zip.001", false}, {"a.zip.002", false}},
                 Ask,
                 {"b.avi.001", "a.zip.001", "b.avi.002", "a.zip.002"},
                 true,
                 false},
        PlanCase{"selectionOnly",
                 {{"m.003", true}, {"other.txt", false}, {"m.001", true}, {"m.002", false}, {"x", false}},
                 Ask,
                 {"m.001", "m.003"},
                 true,
                 false},
        PlanCase{"pastNineHundredNinetyNine",
                 {{"m.1000", false}, {"m.999", false}, {"m.1001", false}, {"m.010", false}},
                 Ask,
                 {"m.010", "m.999", "m.1000", "m.1001"},
                 true,
                 false},
        PlanCase{"unreadableSuffixMakesTheOrderUnclear",
                 {{"m.002", false}, {"m.1ab", false}, {"m.001", false}},
                 Ask,
                 {"m.002", "m.1ab", "m.001"},
                 false,
                 true},
        PlanCase{"neverAskWithNothingRecognised", {{"a.txt", false}, {"b.txt", false}}, Never, {}, false, false}),
    [](const ::testing::TestParamInfo<PlanCase>& info) { return std::string(info.param.title); });

TEST(JoinRecognition, ThousandsOfShuffledPartsComeBackInOrder) {
    std::vector<JoinCandidate> items;
    for (int n = 1; n <= 3000; ++n)
        items.push_back({"/d/big.bin" +
                             std::string(n < 10    ? ".00"
                                         : n < 100 ? ".0"
                                                   : ".") +
                             std::to_string(n),
                         1, false});
    std::vector<JoinCandidate> shuffled = items;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));

    const JoinPlan plan = planJoin(shuffled, JoinOrderPolicy::AskWhenUnclear);

    ASSERT_TRUE(plan.orderClear);
    ASSERT_EQ(plan.joinList.size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        ASSERT_EQ(plan.joinList[i], items[i].path);
    EXPECT_EQ(plan.totalSize, 3000);
}

TEST(JoinRecognition, DefaultOutputNameDropsThePartExtension) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/d/movie.avi.001", "movie.avi"}, {"/d/movie.avi.1000", "movie.avi"}, {"readme.txt", "readme"},
        {"/d/movie.avi.1ab", "movie.avi"}, {"/d/noextension", "noextension"},  {"/d/.hidden", ".hidden"},
    };
    for (const auto& [path, name] : cases)
        EXPECT_EQ(defaultJoinOutputName(path), name) << path;
}

} // namespace
