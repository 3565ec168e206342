#include "engine/RejoinBatch.h"

#include "engine/CodePage850.h"

#include <algorithm>
#include <array>

namespace {

constexpr const char* LineBreak = "\r\n";
constexpr const char* MissingLabel = "parcelon_missing";
constexpr const char* RejoinLabel = "parcelon_rejoin";
// Followed by the number of the last intermediate file a failed step may have written.
constexpr const char* FailedLabel = "parcelon_failed_";

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

// One "copy /b" line and the intermediate file it writes (0: the source itself).
struct CopyStep {
    std::string line;
    std::int64_t tempNumber = 0;
};

// Every copy of the batch in order: the intermediate levels, then the copy into the source.
struct CopyPlan {
    std::vector<std::vector<CopyStep>> levels;
    CopyStep last;
    std::int64_t tempCount = 0;
};

std::string copyLine(const std::vector<std::string>& quotedInputs, std::size_t from, std::size_t to,
                     std::string_view separator, const std::string& quotedTarget) {
    std::string line = "copy /b ";
    for (std::size_t index = from; index < to; ++index)
        line += (index == from ? "" : std::string(separator)) + quotedInputs[index];
    return line + ' ' + quotedTarget;
}

CopyPlan planCopies(std::size_t groupSize, const std::vector<std::string>& partNames, const std::string& sourceName) {
    CopyPlan plan;
    std::vector<std::string> inputs;
    for (const std::string& name : partNames)
        inputs.push_back(quoted(name));
    const auto lastLine = [&](std::string_view separator) {
        return copyLine(inputs, 0, inputs.size(), separator, quoted(sourceName));
    };
    if (inputs.size() <= groupSize) {
        plan.last = {lastLine("+"), 0};
        return plan;
    }
    // A level of intermediate files more whenever their copy into the source would not fit on
    // one line.
    do {
        std::vector<CopyStep>& level = plan.levels.emplace_back();
        std::vector<std::string> outputs;
        for (std::size_t from = 0; from < inputs.size(); from += groupSize) {
            outputs.push_back(quoted(TempFileName(++plan.tempCount)));
            const std::size_t to = std::min(from + groupSize, inputs.size());
            level.push_back({copyLine(inputs, from, to, "+", outputs.back()), plan.tempCount});
        }
        inputs = std::move(outputs);
    } while (lastLine(" + ").size() > MaxBatchLineLength);
    plan.last = {lastLine(" + "), 0};
    return plan;
}

// What the batch says when a copy failed; without it the copies are written unchecked.
struct CopyCheck {
    std::string stepFailed; // the sentence with {step}, {steps} and {file} still in it
    std::size_t stepCount = 0;
};

std::string failedLabel(std::int64_t lastTemp) {
    return FailedLabel + std::to_string(lastTemp);
}

std::string replaced(std::string text, std::string_view placeholder, const std::string& value) {
    if (const std::size_t at = text.find(placeholder); at != std::string::npos)
        text.replace(at, placeholder.size(), value);
    return text;
}

// A caller's text as batch content: a character the code page lacks becomes "?".
std::string batchText(std::string_view text) {
    return escapePercent(keepCodePage850(text));
}

std::string stepFailedText(const CopyCheck& check, std::size_t stepNumber, const std::string& target) {
    const std::string message = replaced(replaced(check.stepFailed, "{step}", std::to_string(stepNumber)), "{steps}",
                                         std::to_string(check.stepCount));
    constexpr std::string_view FilePlaceholder = "{file}";
    const std::size_t at = message.find(FilePlaceholder);
    if (at == std::string::npos)
        return batchText(message);
    return batchText(message.substr(0, at)) + quoted(target) + batchText(message.substr(at + FilePlaceholder.size()));
}

// The copy line and, when checked, the lines that end the batch if it failed.
std::string checkedCopy(const CopyStep& step, const std::string& target, std::int64_t lastTemp, const CopyCheck* check,
                        std::size_t& stepNumber) {
    std::string lines = step.line;
    ++stepNumber;
    if (check) {
        lines += LineBreak + ("if errorlevel 1 echo " + stepFailedText(*check, stepNumber, target));
        lines += LineBreak + ("if errorlevel 1 goto " + failedLabel(lastTemp));
    }
    return lines;
}

// The commands without the line break in front of them.
std::string rejoinCommandLines(const CopyPlan& plan, const std::vector<std::string>& partNames,
                               const std::string& sourceName, bool deleteParts, const CopyCheck* check) {
    std::string commands;
    std::size_t stepNumber = 0;
    for (const std::vector<CopyStep>& level : plan.levels) {
        if (!commands.empty())
            commands += LineBreak + std::string(LineBreak);
        for (const CopyStep& step : level) {
            if (step.tempNumber != level.front().tempNumber)
                commands += LineBreak;
            commands += checkedCopy(step, TempFileName(step.tempNumber), step.tempNumber, check, stepNumber);
        }
    }
    if (!commands.empty())
        commands += LineBreak + std::string(LineBreak);
    commands += checkedCopy(plan.last, sourceName, plan.tempCount, check, stepNumber);
    if (plan.tempCount > 0) {
        commands += LineBreak;
        for (std::int64_t temp = plan.tempCount; temp >= 1; --temp)
            commands += LineBreak + ("del " + quoted(TempFileName(temp)));
    }
    if (deleteParts) {
        commands += LineBreak;
        for (const std::string& name : partNames)
            commands += LineBreak + ("del " + quoted(name));
    }
    return commands;
}

// Ends the batch before it copies or deletes anything when a part is not there, naming each
// missing one. The failure lines of the copies follow: entered at the label of the last
// intermediate file a failed step may have written, they remove that one and every earlier one,
// and end the batch with the parts and the batch itself kept.
std::string checkLines(const RejoinBatchTexts& texts, const std::vector<std::string>& partNames,
                       std::int64_t tempCount) {
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
    for (std::int64_t temp = tempCount; temp >= 1; --temp) {
        line(':' + failedLabel(temp));
        line("if exist " + quoted(TempFileName(temp)) + " del " + quoted(TempFileName(temp)));
    }
    line(':' + failedLabel(0));
    line("echo " + batchText(texts.partsKept));
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

UnsafeNameReason unsafeNameReason(std::string_view name) {
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return UnsafeNameReason::ControlCharacter;
        if (c == '"')
            return UnsafeNameReason::QuotationMark;
        if (c == '*' || c == '?')
            return UnsafeNameReason::Wildcard;
        if (c == '\\')
            return UnsafeNameReason::Backslash;
    }
    return toCodePage850(name) ? UnsafeNameReason::None : UnsafeNameReason::CodePage;
}

std::string TempFileName(std::int64_t group) {
    return std::to_string(group) + ".tmp";
}

std::string BuildRejoinCommands(std::size_t groupSize, const std::vector<std::string>& partNames,
                                const std::string& sourceName, bool deleteParts) {
    return LineBreak + rejoinCommandLines(planCopies(groupSize, partNames, sourceName), partNames, sourceName,
                                          deleteParts, nullptr);
}

std::string rejoinBatchFileName(const std::string& sourceName) {
    return sourceName + ".bat";
}

RejoinBatchText rejoinBatchText(const RejoinBatchOptions& options, const std::vector<std::string>& partNames,
                                const std::string& sourceName) {
    RejoinBatchText result;
    std::vector<const std::string*> names = {&sourceName};
    for (const std::string& name : partNames)
        names.push_back(&name);
    for (const std::string* name : names) {
        if (const UnsafeNameReason reason = unsafeNameReason(*name); reason != UnsafeNameReason::None) {
            result.unsafeName = *name;
            result.unsafeReason = reason;
            return result;
        }
    }
    const CopyPlan plan = planCopies(10, partNames, sourceName);
    const CopyCheck check{options.texts.stepFailed, static_cast<std::size_t>(plan.tempCount) + 1};
    std::string text = bannerLines(options.texts) + LineBreak + checkLines(options.texts, partNames, plan.tempCount) +
                       rejoinCommandLines(plan, partNames, sourceName, options.deleteParts, &check);
    if (options.deleteItself)
        text += LineBreak + ("del " + quoted(rejoinBatchFileName(sourceName)));
    result.bytes = toCodePage850(text).value_or(std::string());
    return result;
}
