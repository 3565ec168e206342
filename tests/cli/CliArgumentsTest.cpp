#include "cli/CliArguments.h"
#include "cli/ProgressLine.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t end = line.find(' ', start);
        words.push_back(line.substr(start, end - start));
        start = end == std::string::npos ? line.size() : end + 1;
    }
    return words;
}

TEST(ParseByteCount, TakesBytesAndBinaryUnits) {
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"4096", 4096},
        {"0", 0},
        {"100K", 102400},
        {"100k", 102400},
        {"100M", 104857600},
        {"2G", 2147483648},
        {"8589934591G", 8589934591LL << 30},
        {"8589934592G", std::nullopt}, // beyond 64 bits
        {"", std::nullopt},
        {"M", std::nullopt},
        {"-1", std::nullopt},
        {"+1", std::nullopt},
        {"1.5M", std::nullopt},
        {"10T", std::nullopt},
        {"1 M", std::nullopt},
    };
    for (const auto& [text, bytes] : cases)
        EXPECT_EQ(ParseByteCount(text), bytes) << text;
}

TEST(ParseArguments, RejectsWhatCannotBeMeant) {
    const char* const lines[] = {
        "",
        "splitt a",
        "split",
        "split a b",
        "split a -s 0",
        "split a -s x",
        "split a -s 1M -n 3",
        "split a -p 1 -s 1M",
        "split a -p 6",
        "split a -n 0",
        "split a --batch --no-batch",
        "split a --batch-keep-parts --batch-delete-parts",
        "split a --script --no-script",
        "join a.001 a.002 --script",
        "join a.001 a.002 --delete-parts --keep-parts",
        "split a --keep-parts",
        "split a --at 0=x",
        "split a -d",
        "split a --frobnicate",
        "split a -y=1",
        "cut a",
        "cut a --at 10",
        "cut a --at x=name",
        "cut a --at 10=",
        "cut a --at 10=  ",
        "cut a b --at 1=x",
        "join",
        "join a -o",
        "join a -o dir/name",
        "join a --order random",
        "join a --relative",
        "join a -s 1M",
    };
    for (const char* line : lines) {
        const ParsedArguments parsed = ParseArguments(Words(line));
        EXPECT_FALSE(parsed.arguments) << "'" << line << "'";
        EXPECT_FALSE(parsed.usageError.empty()) << "'" << line << "'";
    }
}

TEST(ParseArguments, ReadsEveryOption) {
    ParsedArguments parsed = ParseArguments(Words(
        "split movie.avi -s 100M -d /media/usb --no-batch --batch-keep-parts --batch-delete-self --script -y -q"));
    ASSERT_TRUE(parsed.arguments) << parsed.usageError;
    const CliArguments& split = *parsed.arguments;
    EXPECT_EQ(split.kind, CliCommandKind::Split);
    EXPECT_EQ(split.split.file, "movie.avi");
    EXPECT_EQ(split.split.partSize, 104857600);
    EXPECT_FALSE(split.split.partCount);
    EXPECT_EQ(split.directory, "/media/usb");
    EXPECT_EQ(split.split.batch, false);
    EXPECT_EQ(split.split.batchDeleteParts, false);
    EXPECT_EQ(split.split.batchDeleteSelf, true);
    EXPECT_EQ(split.split.script, true);
    EXPECT_TRUE(split.assumeYes);
    EXPECT_TRUE(split.quiet);

    parsed = ParseArguments(Words("split -p4 movie.avi"));
    ASSERT_TRUE(parsed.arguments) << parsed.usageError;
    EXPECT_EQ(parsed.arguments->split.preset, 4);
    EXPECT_FALSE(parsed.arguments->split.batch);
    EXPECT_FALSE(parsed.arguments->split.script);

    parsed = ParseArguments(Words("cut data.bin --relative --at 0=a --at=1K=b=c --at 5=c"));
    ASSERT_TRUE(parsed.arguments) << parsed.usageError;
    const CutArguments& cut = parsed.arguments->cut;
    EXPECT_TRUE(cut.relative);
    ASSERT_EQ(cut.entries.size(), 3u);
    EXPECT_EQ(cut.entries[1].position, 1024);
    EXPECT_EQ(cut.entries[1].name, "b=c");
    EXPECT_EQ(cut.entries[2].name, "c");

    // "-d" holds the next word even when it looks like an option; "--" ends the options.
    parsed = ParseArguments(Words("join b.002 --order=listed a.001 -o whole.bin --delete-parts -d -x -- -odd.003"));
    ASSERT_TRUE(parsed.arguments) << parsed.usageError;
    const JoinArguments& join = parsed.arguments->join;
    EXPECT_EQ(join.parts, (std::vector<std::string>{"b.002", "a.001", "-odd.003"}));
    EXPECT_EQ(join.order, JoinOrderMode::Listed);
    EXPECT_EQ(join.outputName, "whole.bin");
    EXPECT_EQ(join.deleteParts, true);
    EXPECT_EQ(ParseArguments(Words("join a.001 a.002 --keep-parts")).arguments->join.deleteParts, false);
    EXPECT_EQ(ParseArguments(Words("join a.001 a.002")).arguments->join.deleteParts, std::nullopt);
    EXPECT_EQ(parsed.arguments->directory, "-x");

    for (const char* line : {"--help", "-h", "split --help", "join a b -h"})
        EXPECT_EQ(ParseArguments(Words(line)).arguments->kind, CliCommandKind::Help) << line;
    EXPECT_EQ(ParseArguments(Words("--version")).arguments->kind, CliCommandKind::Version);
}

TEST(ProgressLineText, ShowsFilePercentBytesSpeedAndRemainingTime) {
    EXPECT_EQ(ProgressLineText("movie.avi.003", 1048576 * 3, 1048576 * 10, 2.0, 3725),
              "movie.avi.003  30%  3.145.728 / 10.485.760 Bytes  1.5 MiB/s  01:02:05");
    // The read that finds the end is counted too; the line never passes the total.
    EXPECT_EQ(ProgressLineText("", 101, 100, 0.0, -4), "100%  100 / 100 Bytes  0.0 B/s  00:00:00");
    EXPECT_EQ(ProgressLineText("x", 0, 0, 1.0, 0), "x  100%  0 / 0 Bytes  0.0 B/s  00:00:00");
}

} // namespace
