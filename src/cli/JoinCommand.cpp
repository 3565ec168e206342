#include "cli/CliCommands.h"
#include "cli/CliHost.h"
#include "cli/CliTexts.h"
#include "cli/ExitCode.h"
#include "cli/OperationReport.h"
#include "cli/StopSignal.h"
#include "components/core/OperationTexts.h"
#include "dialogs/model/SplitSettings.h"
#include "engine/FileHandle.h"
#include "engine/JoinFiles.h"
#include "engine/JoinRecognition.h"
#include "engine/PartNaming.h"

#include <algorithm>

namespace {

enum MainTextId { Cancelled = 27 };

struct JoinOrder {
    std::vector<std::string> paths;
    std::int64_t totalSize = 0;
};

// One PART that is part 1, or a FILE that does not exist beside its FILE.001, stands for every
// part of that name in its folder.
std::vector<std::string> PartsToJoin(const JoinArguments& arguments) {
    if (arguments.parts.size() != 1 || arguments.order != JoinOrderMode::Auto)
        return arguments.parts;
    const std::string& given = arguments.parts.front();
    std::string setPath;
    if (partNumberOf(fileNameOf(given)) == 1)
        setPath = partSetPath(given);
    else if (!FileSize(given) && FileSize(given + PartExtension(1)))
        setPath = given;
    if (setPath.empty())
        return arguments.parts;
    std::vector<std::string> parts;
    for (const RecognisedPart& part : partsInFolder(setPath))
        parts.push_back(part.path);
    return parts.empty() ? arguments.parts : parts;
}

// Part-number order when every part has a number, else the order given (and the user is told).
// The split's companion files are left out, and the user is told. Missing part numbers refuse
// the join unless the order given is asked for.
std::optional<JoinOrder> OrderParts(const JoinArguments& arguments, CliHost& host, int language) {
    std::vector<JoinCandidate> candidates;
    for (const std::string& path : PartsToJoin(arguments))
        candidates.push_back({path, FileSize(path).value_or(0), false});
    const JoinPlan plan = planJoin(candidates, JoinOrderPolicy::AskWhenUnclear);
    if (!plan.companionsLeftOut.empty())
        host.tell(OperationTextById(OperationText::CompanionsLeftOut, language)
                      .arg(QString::fromStdString(fileNameListText(plan.companionsLeftOut))));
    if (arguments.order == JoinOrderMode::Auto) {
        if (!plan.gaps.empty()) {
            host.tell(
                CliText(CliMessage::MissingPartsRefused, language).arg(QString::fromStdString(gapListText(plan.gaps))));
            return std::nullopt;
        }
        if (!plan.orderClear)
            host.tell(CliText(CliMessage::OrderKeptAsGiven, language));
        return JoinOrder{plan.joinList, plan.totalSize};
    }
    JoinOrder order;
    for (const JoinCandidate& candidate : candidates) {
        if (std::find(plan.companionsLeftOut.begin(), plan.companionsLeftOut.end(), candidate.path) !=
            plan.companionsLeftOut.end())
            continue;
        order.paths.push_back(candidate.path);
        order.totalSize += candidate.size;
    }
    return order;
}

} // namespace

int RunJoin(const CliContext& context) {
    const JoinArguments& arguments = context.arguments.join;
    const int language = context.languageCode;
    CliHost host(language, context.arguments.assumeYes);

    const std::optional<JoinOrder> order = OrderParts(arguments, host, language);
    if (!order)
        return ExitRefused;
    JoinRequest request;
    request.partPaths = order->paths;
    const std::string name = arguments.outputName.value_or(defaultJoinOutputName(request.partPaths.front()));
    const std::optional<std::string> outputPath =
        chooseJoinOutputPath(DestinationFolder(context.arguments.directory), name, host);
    if (!outputPath) {
        if (host.refusedWithoutTerminal())
            return ExitRefused;
        host.tell(MainText(Cancelled, language));
        return StopSignalled() ? ExitInterrupted : ExitRefused;
    }
    request.outputPath = *outputPath;
    request.deleteParts = arguments.deleteParts.value_or(LoadSettings(context.settingsStore).deleteSplitFiles);

    const JoinResult result = host.runShowingProgress(order->totalSize, context.showProgress,
                                                      [&request](CliHost& h) { return joinFiles(request, h); });
    const int exitCode = ReportOutcome(host, result, language);
    // The output is kept, but a join that skipped a part has not done what was asked.
    if (exitCode == ExitDone && !result.missingParts.empty())
        return ExitFailed;
    return exitCode;
}
