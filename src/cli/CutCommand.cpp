#include "cli/CliCommands.h"
#include "cli/CliHost.h"
#include "cli/CliTexts.h"
#include "cli/ExitCode.h"
#include "cli/OperationReport.h"
#include "cli/Terminal.h"
#include "engine/SpecialSplit.h"

#include <cerrno>
#include <limits>

namespace {

// The special split dialog's checks: every position lies before the end of the file; from the
// start they rise, from the previous part their sum stays below the file size.
QString PositionProblem(const CutArguments& arguments, std::int64_t sourceSize, int language) {
    std::int64_t previous = -1;
    std::int64_t sum = 0;
    for (const CutEntry& entry : arguments.entries) {
        if (entry.position >= sourceSize)
            return CliText(CliMessage::PositionBeyondEnd, language).arg(entry.position).arg(sourceSize);
        if (!arguments.relative && entry.position <= previous)
            return CliText(CliMessage::PositionsNotRising, language).arg(entry.position).arg(previous);
        previous = entry.position;
        // Each is below the size, but enough of them on a huge sparse file can still add up past
        // the 64-bit range.
        if (__builtin_add_overflow(sum, entry.position, &sum))
            return CliText(CliMessage::LengthsOverflow, language).arg(std::numeric_limits<std::int64_t>::max());
    }
    if (arguments.relative && sum >= sourceSize)
        return CliText(CliMessage::LengthsBeyondEnd, language).arg(sum).arg(sourceSize);
    return {};
}

} // namespace

int RunCut(const CliContext& context) {
    const CutArguments& arguments = context.arguments.cut;
    const int language = context.languageCode;
    const std::optional<std::int64_t> sourceSize = FileSize(arguments.file);
    if (!sourceSize) {
        PrintError(SystemFailure(arguments.file, errno));
        return ExitFailed;
    }
    if (const QString problem = PositionProblem(arguments, *sourceSize, language); !problem.isEmpty()) {
        PrintError(problem);
        return ExitUsage;
    }

    SpecialSplitRequest request;
    request.sourcePath = arguments.file;
    request.destinationFolder = DestinationFolder(context.arguments.directory);
    request.entries = arguments.entries;
    request.counting = arguments.relative ? CutCounting::FromPreviousPart : CutCounting::FromStart;

    CliHost host(language, context.arguments.assumeYes);
    const SpecialSplitResult result = host.runShowingProgress(
        *sourceSize, context.showProgress, [&request](CliHost& h) { return specialSplit(request, h); });
    return ReportOutcome(host, result, language);
}
