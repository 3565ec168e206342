#include "engine/RejoinBatch.h"
#include "engine/PartNaming.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

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

// The lines after a copy into `target` that end the batch when it failed, in English.
std::vector<std::string> copyCheck(std::size_t step, std::size_t steps, const std::string& target,
                                   std::size_t lastTemp) {
    return {"if errorlevel 1 echo Step " + std::to_string(step) + " of " + std::to_string(steps) +
                " failed: " + inQuotes(target) + " could not be written completely.",
            "if errorlevel 1 goto parcelon_failed_" + std::to_string(lastTemp)};
}

// The rejoin command lines, written out the way a reader of the batch file sees them: groups of
// ten into 1.tmp, 2.tmp ..., their copy into the source, their deletion last to first; with
// `checked`, each copy followed by the check of its result.
std::vector<std::string> expectedCommandLines(const std::vector<std::string>& parts, const std::string& source,
                                              bool deleteParts, bool checked = false) {
    std::vector<std::string> lines;
    const std::size_t groups = parts.size() <= 10 ? 0 : (parts.size() + 9) / 10;
    const auto check = [&](std::size_t step, const std::string& target) {
        if (checked)
            for (const std::string& line : copyCheck(step, groups + 1, target, groups))
                lines.push_back(line);
    };
    if (parts.size() <= 10) {
        lines.push_back("copy /b " + plusJoined(parts, 0, parts.size(), "+") + " " + inQuotes(source));
        check(1, source);
    } else {
        std::vector<std::string> temps;
        for (std::size_t from = 0; from < parts.size(); from += 10) {
            temps.push_back(std::to_string(temps.size() + 1) + ".tmp");
            lines.push_back("copy /b " + plusJoined(parts, from, std::min(from + 10, parts.size()), "+") + " " +
                            inQuotes(temps.back()));
            if (checked)
                for (const std::string& line : copyCheck(temps.size(), groups + 1, temps.back(), temps.size()))
                    lines.push_back(line);
        }
        lines.push_back("");
        lines.push_back("copy /b " + plusJoined(temps, 0, temps.size(), " + ") + " " + inQuotes(source));
        check(groups + 1, source);
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
    for (std::size_t temp = parts.size() <= 10 ? 0 : (parts.size() + 9) / 10; temp >= 1; --temp) {
        lines.push_back(":parcelon_failed_" + std::to_string(temp));
        lines.push_back("if exist \"" + std::to_string(temp) + ".tmp\" del \"" + std::to_string(temp) + ".tmp\"");
    }
    lines.push_back(":parcelon_failed_0");
    lines.push_back("echo No part was deleted, nor this batch file.");
    lines.push_back("pause");
    lines.push_back("goto :eof");
    lines.push_back(":parcelon_rejoin");
    for (const std::string& line : expectedCommandLines(parts, source, deleteParts, true))
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
                                     "if errorlevel 1 echo Step 1 of 1 failed: \"my movie.avi\" could not be "
                                     "written completely.\r\n"
                                     "if errorlevel 1 goto parcelon_failed_0\r\n"
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

// cmd reads a batch file in the console's code page: 850 on German and Western European Windows.
TEST(RejoinBatch, WritesCodePage850) {
    const RejoinBatchTexts german =
        defaultRejoinBatchTexts(TextLanguage::German, "https://www.brimvale.example/de/", "support@brimvale.example");
    const std::string name = "Grüße é Ä.avi";
    const RejoinBatchText text = rejoinBatchText({true, true, german}, partNamesOf(name, 1), name);
    EXPECT_NE(text.bytes.find("echo    Dr\x81"
                              "cken Sie eine Taste, um\r\n"),
              std::string::npos);
    EXPECT_NE(text.bytes.find("echo WEB    : https://www.brimvale.example/de/\r\n"), std::string::npos);
    EXPECT_NE(text.bytes.find("copy /b \"Gr\x81\xE1"
                              "e \x82 \x8E.avi.001\" \"Gr\x81\xE1"
                              "e \x82 \x8E.avi\""),
              std::string::npos);
    EXPECT_NE(text.bytes.find("echo Es wurde nichts zusammengesetzt und nichts gel\x94scht."), std::string::npos);
    EXPECT_EQ(text.bytes.find("\xC3"), std::string::npos); // no UTF-8 left
}

TEST(RejoinBatch, RefusesNamesThatCannotStandInABatchFile) {
    const std::vector<std::pair<std::string, UnsafeNameReason>> unsafe = {
        {"say \"hi\"", UnsafeNameReason::QuotationMark},
        {"line\nbreak", UnsafeNameReason::ControlCharacter},
        {"tab\there", UnsafeNameReason::ControlCharacter},
        {"del\x7f", UnsafeNameReason::ControlCharacter},
        {"日本.txt", UnsafeNameReason::CodePage},
        {"price €.txt", UnsafeNameReason::CodePage}, // in Windows-1252, not in code page 850
        {"bad\xFFutf8", UnsafeNameReason::CodePage},
        {"any*.txt", UnsafeNameReason::Wildcard},
        {"what?.txt", UnsafeNameReason::Wildcard},
        {"back\\slash.txt", UnsafeNameReason::Backslash},
    };
    for (const auto& [name, reason] : unsafe) {
        SCOPED_TRACE(name);
        const RejoinBatchText text = rejoinBatchText({true, true, englishTexts()}, partNamesOf(name, 2), name);
        EXPECT_EQ(text.unsafeName, name);
        EXPECT_EQ(text.unsafeReason, reason);
        EXPECT_EQ(text.bytes, "");
    }
    // A safe source whose part list holds an unsafe name (the caller's list) is refused too.
    const RejoinBatchText mixed = rejoinBatchText({true, true, englishTexts()}, {"a.001", "b\".002"}, "a");
    EXPECT_EQ(mixed.unsafeName, "b\".002");
    EXPECT_EQ(mixed.unsafeReason, UnsafeNameReason::QuotationMark);
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(text.substr(from, at - from));
    lines.push_back(text.substr(from));
    return lines;
}

// The quoted names of a line, in order, with cmd's "%%" read as "%".
std::vector<std::string> quotedNames(const std::string& line) {
    std::vector<std::string> names;
    for (std::size_t open = line.find('"'); open != std::string::npos; open = line.find('"', open)) {
        const std::size_t close = line.find('"', open + 1);
        std::string name = line.substr(open + 1, close - open - 1);
        for (std::size_t at = 0; (at = name.find("%%", at)) != std::string::npos; ++at)
            name.erase(at, 1);
        names.push_back(name);
        open = close + 1;
    }
    return names;
}

// Runs the commands after ":parcelon_rejoin" on `files` the way cmd does when every copy
// succeeds. At each copy it also follows the failure path its check jumps to, which must delete
// nothing but intermediate files written by then, and end the batch.
void runBatch(const std::vector<std::string>& lines, std::map<std::string, std::string>& files) {
    const auto start = std::find(lines.begin(), lines.end(), ":parcelon_rejoin");
    ASSERT_NE(start, lines.end());
    for (auto line = start + 1; line != lines.end(); ++line) {
        const std::vector<std::string> names = quotedNames(*line);
        if (line->starts_with("copy /b ")) {
            std::string joined;
            for (std::size_t i = 0; i + 1 < names.size(); ++i) {
                ASSERT_TRUE(files.contains(names[i])) << "copy reads a missing " << names[i];
                joined += files[names[i]];
            }
            files[names.back()] = joined;
            ASSERT_TRUE(line + 2 < lines.end());
            ASSERT_TRUE(line[1].starts_with("if errorlevel 1 echo ")) << *line;
            const std::string jump = "if errorlevel 1 goto ";
            ASSERT_TRUE(line[2].starts_with(jump)) << *line;
            auto failure = std::find(lines.begin(), lines.end(), ':' + line[2].substr(jump.size()));
            ASSERT_NE(failure, lines.end()) << line[2];
            for (; *failure != "goto :eof"; ++failure) {
                if (failure->find(" del ") != std::string::npos) {
                    const std::string removed = quotedNames(*failure).back();
                    EXPECT_TRUE(removed.ends_with(".tmp") && files.contains(removed)) << *failure;
                }
            }
            line += 2;
        } else if (line->starts_with("del ")) {
            ASSERT_EQ(files.erase(names.front()), 1u) << "deletes a missing " << names.front();
        } else {
            ASSERT_EQ(*line, "") << "unexpected command";
        }
    }
}

TEST(RejoinBatch, TenThousandLongNamesRebuildWithinCmdsLineLimit) {
    const std::string source = std::string(200, 'x') + " 100%.bin";
    const std::vector<std::string> parts = partNamesOf(source, 10001);
    const RejoinBatchText text = rejoinBatchText({true, true, englishTexts()}, parts, source);
    ASSERT_EQ(text.unsafeName, "");
    const std::vector<std::string> lines = linesOf(text.bytes);
    for (const std::string& line : lines)
        ASSERT_LE(line.size(), MaxBatchLineLength) << line.substr(0, 80);

    std::map<std::string, std::string> files = {{source + ".bat", "batch"}};
    std::string original;
    for (const std::string& part : parts) {
        files[part] = part.substr(source.size()) + ';';
        original += files[part];
    }
    runBatch(lines, files);
    EXPECT_EQ(files, (std::map<std::string, std::string>{{source, original}}));
}

} // namespace
