#include "cli/CliCommands.h"
#include "cli/CliHost.h"
#include "cli/CliTexts.h"
#include "cli/ExitCode.h"
#include "cli/OperationReport.h"
#include "cli/StopSignal.h"
#include "components/core/JoinTexts.h"
#include "components/core/OperationTexts.h"
#include "dialogs/model/SplitSettings.h"
#include "engine/FileHandle.h"
#include "engine/JoinFiles.h"
#include "engine/JoinJournal.h"
#include "engine/JoinRecognition.h"
#include "engine/JoinVerification.h"
#include "engine/PartNaming.h"

#include <algorithm>
#include <cstdio>
#include <sys/stat.h>

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

// A checksum file beside the first part is used whenever it is there, given or not: a glob such as
// movie.avi.0* does not match it, and a join that can check itself should.
std::optional<std::string> ChecksumFileBeside(const std::string& firstPart) {
    const std::string path = joinChecksumPathFor(firstPart);
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return path;
}

// A checksum file beside the parts, or the journal of an interrupted join into the output, tells
// which parts belong; a gap in the files found is then no reason to refuse.
bool SetKnownBeyondTheFiles(const std::string& firstPart, const JoinArguments& arguments, const std::string& folder) {
    if (ChecksumFileBeside(firstPart))
        return true;
    const std::string name = arguments.outputName.value_or(defaultJoinOutputName(firstPart));
    struct stat status {};
    const std::string separator = !folder.empty() && folder.back() == '/' ? "" : "/";
    return ::lstat(joinJournalPath(folder + separator + name).c_str(), &status) == 0;
}

// Part-number order when every part has a number, else the order given (and the user is told).
// The split's companion files are left out, and the user is told. Missing part numbers refuse
// the join unless the order given is asked for.
std::optional<JoinOrder> OrderParts(const JoinArguments& arguments, const std::string& folder, CliHost& host,
                                    int language) {
    std::vector<JoinCandidate> candidates;
    for (const std::string& path : PartsToJoin(arguments))
        candidates.push_back({path, FileSize(path).value_or(0), false});
    const JoinPlan plan = planJoin(candidates, JoinOrderPolicy::AskWhenUnclear);
    if (!plan.companionsLeftOut.empty())
        host.tell(OperationTextById(OperationText::CompanionsLeftOut, language)
                      .arg(QString::fromStdString(fileNameListText(plan.companionsLeftOut))));
    if (arguments.order == JoinOrderMode::Auto) {
        if (!plan.gaps.empty() && !SetKnownBeyondTheFiles(plan.joinList.front(), arguments, folder)) {
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

// The verified join's one line, on stdout like other results.
void PrintVerified(const JoinResult& result, const std::string& outputPath, int language) {
    const std::string line = verifiedText(outputPath, result.checksumPath, language).toStdString() + "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

// The outcome, and what the delete option, a checksum file and a resumed join add to it.
int ReportJoin(CliHost& host, const JoinResult& result, const std::string& outputPath, bool quiet, int language) {
    if (const QString left = leftOutText(result, language); !left.isEmpty())
        host.tell(left);
    if (result.error.kind == OperationError::Kind::NotResumable) {
        host.tell(notResumableText(result, language));
        return ExitRefused;
    }
    if (const QString problem = checksumProblemText(result, language); !problem.isEmpty()) {
        host.tell(problem);
        if (const QString deleted = partsOnlyInOutputText(result, outputPath, language); !deleted.isEmpty())
            host.tell(deleted);
        return ExitFailed;
    }
    const int exitCode = ReportOutcome(host, result, language);
    if (result.outcome != OperationOutcome::Completed) {
        if (const QString deleted = partsOnlyInOutputText(result, outputPath, language); !deleted.isEmpty())
            host.tell(deleted);
        return exitCode;
    }
    if (result.resumed)
        host.tell(resumedText(result, outputPath, language));
    if (result.verified && !quiet)
        PrintVerified(result, outputPath, language);
    if (!result.partsLeft.empty()) {
        host.tell(partsLeftText(result, outputPath, language));
        return ExitFailed;
    }
    // The output is kept, but a join that skipped a part has not done what was asked.
    return result.missingParts.empty() ? exitCode : ExitFailed;
}

} // namespace

int RunJoin(const CliContext& context) {
    const JoinArguments& arguments = context.arguments.join;
    const int language = context.languageCode;
    CliHost host(language, context.arguments.assumeYes);

    const std::string folder = DestinationFolder(context.arguments.directory);
    const std::optional<JoinOrder> order = OrderParts(arguments, folder, host, language);
    if (!order)
        return ExitRefused;
    JoinRequest request;
    request.partPaths = order->paths;
    const std::string name = arguments.outputName.value_or(defaultJoinOutputName(request.partPaths.front()));
    const std::optional<std::string> outputPath = chooseJoinOutputPath(folder, name, host);
    if (!outputPath) {
        if (host.refusedWithoutTerminal())
            return ExitRefused;
        host.tell(MainText(Cancelled, language));
        return StopSignalled() ? StopSignalExitCode() : ExitRefused;
    }
    request.outputPath = *outputPath;
    request.deleteParts = arguments.deleteParts.value_or(LoadSettings(context.settingsStore).deleteSplitFiles);
    request.checksumPath = ChecksumFileBeside(request.partPaths.front());

    const JoinResult result = host.runShowingProgress(order->totalSize, context.showProgress,
                                                      [&request](CliHost& h) { return joinFiles(request, h); });
    return ReportJoin(host, result, request.outputPath, context.arguments.quiet, language);
}
