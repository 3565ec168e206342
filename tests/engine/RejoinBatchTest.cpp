#include "engine/RejoinBatch.h"
#include "engine/PartNaming.h"

#include <gtest/gtest.h>

namespace {

std::string inQuotes(const std::string& name) {
    return '"' + name + '"';
}

std::vector<std::string> partNamesOf(const std::string& source, int count) {
    std::vector<std::string> names;
    for (int n = 1; n <= count; ++n)
        names.push_back(source + PartExtension(n));
    return names;
}

std::string joinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i == 0 ? "" : "\r\n") + lines[i];
    return text;
}

std::string plusJoined(const std::vector<std::string>& names, std::size_t from, std::size_t to,
                       const std::string& separator) {
    std::string text;
    for (std::size_t i = from; i < to; ++i)
        text += (i == from ? "" : separator) + inQuotes(names[i]);
    return text;
}

// The rejoin command lines, written out the way a reader of the batch file sees them: groups of
// ten into 1.tmp, 2.tmp ..., their copy into the source, their deletion last to first.
std::vector<std::string> expectedCommandLines(const std::vector<std::string>& parts, const std::string& source,
                                              bool deleteParts) {
    std::vector<std::string> lines;
    if (parts.size() <= 10) {
        lines.push_back("copy /b " + plusJoined(parts, 0, parts.size(), "+") + " " + inQuotes(source));
    } else {
        std::vector<std::string> temps;
        for (std::size_t from = 0; from < parts.size(); from += 10) {
            temps.push_back(std::to_string(temps.size() + 1) + ".tmp");
            lines.push_back("copy /b " + plusJoined(parts, from, std::min(from + 10, parts.size()), "+") + " " +
                            inQuotes(temps.back()));
        }
        lines.push_back("");
        lines.push_back("copy /b " + plusJoined(temps, 0, temps.size(), " + ") + " " + inQuotes(source));
        lines.push_back("");
        for (auto temp = temps.rbegin(); temp != temps.rend(); ++temp)
            lines.push_back("del " + inQuotes(*temp));
    }
    if (deleteParts) {
        lines.push_back("");
        for (const std::string& part : parts)
            lines.push_back("del " + inQuotes(part));
    }
    return lines;
}

RejoinBatchTexts englishTexts() {
    return defaultRejoinBatchTexts(TextLanguage::English, "https://www.brimvale.example/en/",
                                   "support@brimvale.example");
}

std::vector<std::string> expectedBatchLines(const std::vector<std::string>& parts, const std::string& source,
                                            bool deleteParts, bool deleteItself) {
    const std::string dashes = "echo --------------------------------";
    std::vector<std::string> lines = {"echo off",
                                      "cls",
                                      dashes,
                                      "echo --  Brimvale Parcelon 1.4 --",
                                      dashes,
                                      "echo.",
                                      "echo WEB   : https://www.brimvale.example/en/",
                                      "echo E-Mail : support@brimvale.example",
                                      "echo.",
                                      "echo.",
                                      "echo      Hit any key to merge",
                                      "echo            the files",
                                      "echo",
                                      "echo.",
                                      "echo.",
                                      "pause",
                                      "",
                                      ""};
    for (const std::string& part : parts)
        lines.push_back("if not exist " + inQuotes(part) + " goto parcelon_missing");
    lines.push_back("goto parcelon_rejoin");
    lines.push_back(":parcelon_missing");
    for (const std::string& part : parts)
        lines.push_back("if not exist " + inQuotes(part) + " echo Part file not found: " + inQuotes(part));
    lines.push_back("echo Nothing was merged and nothing was deleted.");
    lines.push_back("pause");
    lines.push_back("goto :eof");
    lines.push_back(":parcelon_rejoin");
    for (const std::string& line : expectedCommandLines(parts, source, deleteParts))
        lines.push_back(line);
    if (deleteItself)
        lines.push_back("del " + inQuotes(source + ".bat"));
    return lines;
}

TEST(RejoinBatch, WholeFileForEveryPartCountAndOptionCombination) {
    for (const int count : {3, 10, 11, 20, 21, 25}) {
        for (const bool deleteParts : {false, true}) {
            for (const bool deleteItself : {false, true}) {
                SCOPED_TRACE(std::to_string(count) + " parts, delete parts " + std::to_string(deleteParts) +
                             ", delete itself " + std::to_string(deleteItself));
                const std::vector<std::string> parts = partNamesOf("data.bin", count);
                const RejoinBatchText text =
                    rejoinBatchText({deleteParts, deleteItself, englishTexts()}, parts, "data.bin");
                EXPECT_EQ(text.unsafeName, "");
                EXPECT_EQ(text.bytes, joinedLines(expectedBatchLines(parts, "data.bin", deleteParts, deleteItself)));
            }
        }
    }
}

TEST(RejoinBatch, CommandsOfThreePartsWithBothDeletions) {
    EXPECT_EQ(BuildRejoinCommands(10, partNamesOf("movie.avi", 3), "movie.avi", true),
              "\r\n"
              "copy /b \"movie.avi.001\"+\"movie.avi.002\"+\"movie.avi.003\" \"movie.avi\"\r\n"
              "\r\n"
              "del \"movie.avi.001\"\r\n"
              "del \"movie.avi.002\"\r\n"
              "del \"movie.avi.003\"");
}

TEST(RejoinBatch, CommandsOfTwentyFivePartsUseThreeIntermediateFiles) {
    std::string firstGroup;
    for (int n = 1; n <= 10; ++n) {
        if (n > 1)
            firstGroup += '+';
        firstGroup += inQuotes("data.bin" + PartExtension(n));
    }
    const std::string commands = BuildRejoinCommands(10, partNamesOf("data.bin", 25), "data.bin", false);

    EXPECT_TRUE(commands.starts_with("\r\ncopy /b " + firstGroup + " \"1.tmp\"\r\n")) << commands;
    EXPECT_TRUE(commands.ends_with("\r\n"
                                   "copy /b \"data.bin.021\"+\"data.bin.022\"+\"data.bin.023\"+\"data.bin.024\"+"
                                   "\"data.bin.025\" \"3.tmp\"\r\n"
                                   "\r\n"
                                   "copy /b \"1.tmp\" + \"2.tmp\" + \"3.tmp\" \"data.bin\"\r\n"
                                   "\r\n"
                                   "del \"3.tmp\"\r\n"
                                   "del \"2.tmp\"\r\n"
                                   "del \"1.tmp\""))
        << commands;
}

TEST(RejoinBatch, TempFileNames) {
    EXPECT_EQ(TempFileName(1), "1.tmp");
    EXPECT_EQ(TempFileName(12), "12.tmp");
}

TEST(RejoinBatch, SelfDeletionFollowsTheLastCopyDirectlyAndBlanksAreQuoted) {
    const RejoinBatchText text =
        rejoinBatchText({false, true, englishTexts()}, partNamesOf("my movie.avi", 2), "my movie.avi");
    EXPECT_TRUE(text.bytes.ends_with("\r\n:parcelon_rejoin\r\n"
                                     "copy /b \"my movie.avi.001\"+\"my movie.avi.002\" \"my movie.avi\"\r\n"
                                     "del \"my movie.avi.bat\""))
        << text.bytes;
}

TEST(RejoinBatch, PercentIsDoubledSoThatCmdKeepsIt) {
    const RejoinBatchText text = rejoinBatchText({true, true, englishTexts()}, partNamesOf("100%.txt", 1), "100%.txt");
    EXPECT_NE(text.bytes.find("copy /b \"100%%.txt.001\" \"100%%.txt\""), std::string::npos);
    EXPECT_NE(text.bytes.find("if not exist \"100%%.txt.001\" goto"), std::string::npos);
    EXPECT_NE(text.bytes.find("del \"100%%.txt.001\""), std::string::npos);
    EXPECT_TRUE(text.bytes.ends_with("del \"100%%.txt.bat\""));
    EXPECT_EQ(text.bytes.find("100%.txt"), std::string::npos);
}

TEST(RejoinBatch, WritesWindows1252) {
    const RejoinBatchTexts german =
        defaultRejoinBatchTexts(TextLanguage::German, "https://www.brimvale.example/de/", "support@brimvale.example");
    const RejoinBatchText text = rejoinBatchText({true, true, german}, partNamesOf("Müller€.avi", 1), "Müller€.avi");
    EXPECT_NE(text.bytes.find("echo    Dr\xFC"
                              "cken Sie eine Taste, um\r\n"),
              std::string::npos);
    EXPECT_NE(text.bytes.find("echo WEB    : https://www.brimvale.example/de/\r\n"), std::string::npos);
    EXPECT_NE(text.bytes.find("copy /b \"M\xFCller\x80.avi.001\" \"M\xFCller\x80.avi\""), std::string::npos);
    EXPECT_EQ(text.bytes.find("\xC3"), std::string::npos); // no UTF-8 left
}

TEST(RejoinBatch, RefusesNamesThatCannotStandInABatchFile) {
    const std::vector<std::string> unsafe = {
        "say \"hi\"",  "line\nbreak", "tab\there", "del\x7f",         "日本.txt",
        "bad\xFFutf8", "any*.txt",    "what?.txt", "back\\slash.txt",
    };
    for (const std::string& name : unsafe) {
        SCOPED_TRACE(name);
        const RejoinBatchText text = rejoinBatchText({true, true, englishTexts()}, partNamesOf(name, 2), name);
        EXPECT_EQ(text.unsafeName, name);
        EXPECT_EQ(text.bytes, "");
    }
    // A safe source whose part list holds an unsafe name (the caller's list) is refused too.
    const RejoinBatchText mixed = rejoinBatchText({true, true, englishTexts()}, {"a.001", "b\".002"}, "a");
    EXPECT_EQ(mixed.unsafeName, "b\".002");
}

} // namespace
