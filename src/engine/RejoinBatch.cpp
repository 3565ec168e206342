#include "engine/RejoinBatch.h"

#include "engine/Windows1252.h"

#include <algorithm>
#include <array>

namespace {

constexpr const char* LineBreak = "\r\n";
constexpr const char* MissingLabel = "parcelon_missing";
constexpr const char* RejoinLabel = "parcelon_rejoin";

// cmd.exe reads "%" as the start of a variable even between quotes; "%%" is one "%".
std::string escapePercent(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        escaped += c;
        if (c == '%')
            escaped += '%';
    }
    return escaped;
}

std::string quoted(std::string_view name) {
    return '"' + escapePercent(name) + '"';
}

// Characters that would end the quoting ("), make a command act on other files (wildcards, a
// folder separator), or cannot stand on a command line (controls).
bool hasUnsafeCharacter(std::string_view name) {
    return std::any_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F || c == '"' || c == '*' || c == '?' || c == '\\';
    });
}

bool isSafeName(std::string_view name) {
    return !name.empty() && !hasUnsafeCharacter(name) && toWindows1252(name).has_value();
}

// The commands without the line break in front of them.
std::string rejoinCommandLines(std::size_t groupSize, const std::vector<std::string>& partNames,
                               const std::string& sourceName, bool deleteParts) {
    std::string commands = "copy /b ";
    std::string partDeletions = LineBreak;  // makes the empty line before the deletions
    std::vector<std::string> intermediates; // used as a stack: last made, first taken
    std::size_t inGroup = 0;
    std::int64_t closedGroups = 0;
    const auto closeGroup = [&] {
        intermediates.push_back(TempFileName(++closedGroups));
        commands += ' ' + quoted(intermediates.back());
    };
    for (std::size_t index = 0; index < partNames.size(); ++index) {
        partDeletions += LineBreak + ("del " + quoted(partNames[index]));
        if (inGroup == groupSize) {
            closeGroup();
            commands += LineBreak + std::string("copy /b ");
            inGroup = 0;
        }
        commands += quoted(partNames[index]);
        ++inGroup;
        if (inGroup != groupSize && index + 1 != partNames.size())
            commands += '+';
    }
    if (closedGroups > 0)
        closeGroup();

    if (intermediates.empty()) {
        commands += ' ' + quoted(sourceName);
    } else {
        std::string joined;
        std::string deletions;
        while (!intermediates.empty()) {
            const std::string name = quoted(intermediates.back());
            intermediates.pop_back();
            joined = joined.empty() ? name : name + " + " + joined;
            deletions += (deletions.empty() ? "" : LineBreak) + ("del " + name);
        }
        commands += LineBreak + std::string(LineBreak) + "copy /b " + joined + ' ' + quoted(sourceName);
        commands += LineBreak + std::string(LineBreak) + deletions;
    }
    if (deleteParts)
        commands += partDeletions;
    return commands;
}

// A caller's text as batch content: a character the code page lacks becomes "?".
std::string batchText(std::string_view text) {
    return escapePercent(keepWindows1252(text));
}

// Ends the batch before it copies or deletes anything when a part is not there, naming each
// missing one.
std::string partChecks(const RejoinBatchTexts& texts, const std::vector<std::string>& partNames) {
    std::string checks;
    const auto line = [&checks](const std::string& text) { checks += text + LineBreak; };
    for (const std::string& name : partNames)
        line("if not exist " + quoted(name) + " goto " + MissingLabel);
    line(std::string("goto ") + RejoinLabel);
    line(std::string(":") + MissingLabel);
    for (const std::string& name : partNames)
        line("if not exist " + quoted(name) + " echo " + batchText(texts.missingPart) + ' ' + quoted(name));
    line("echo " + batchText(texts.nothingDone));
    line("pause");
    line("goto :eof");
    line(std::string(":") + RejoinLabel);
    return checks;
}

std::string bannerLines(const RejoinBatchTexts& texts) {
    const std::string dashes = "echo " + std::string(32, '-');
    const std::array<std::string, 17> lines = {
        "echo off",
        "cls",
        dashes,
        batchText(texts.bannerLine),
        dashes,
        "echo.",
        batchText(texts.webLine),
        "echo E-Mail : " + batchText(texts.mailAddress),
        "echo.",
        "echo.",
        batchText(texts.keyLine1),
        batchText(texts.keyLine2),
        batchText(texts.keyLine3),
        "echo.",
        "echo.",
        "pause",
        "",
    };
    std::string text;
    for (const std::string& line : lines)
        text += line + LineBreak;
    return text;
}

} // namespace

std::string TempFileName(std::int64_t group) {
    return std::to_string(group) + ".tmp";
}

std::string BuildRejoinCommands(std::size_t groupSize, const std::vector<std::string>& partNames,
                                const std::string& sourceName, bool deleteParts) {
    return LineBreak + rejoinCommandLines(groupSize, partNames, sourceName, deleteParts);
}

std::string rejoinBatchFileName(const std::string& sourceName) {
    return sourceName + ".bat";
}

RejoinBatchText rejoinBatchText(const RejoinBatchOptions& options, const std::vector<std::string>& partNames,
                                const std::string& sourceName) {
    RejoinBatchText result;
    if (!isSafeName(sourceName)) {
        result.unsafeName = sourceName;
        return result;
    }
    for (const std::string& name : partNames) {
        if (!isSafeName(name)) {
            result.unsafeName = name;
            return result;
        }
    }
    std::string text = bannerLines(options.texts) + LineBreak + partChecks(options.texts, partNames) +
                       rejoinCommandLines(10, partNames, sourceName, options.deleteParts);
    if (options.deleteItself)
        text += LineBreak + ("del " + quoted(rejoinBatchFileName(sourceName)));
    result.bytes = toWindows1252(text).value_or(std::string());
    return result;
}
