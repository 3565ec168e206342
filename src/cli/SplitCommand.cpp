#include "cli/CliCommands.h"
#include "cli/CliHost.h"
#include "cli/CliTexts.h"
#include "cli/ExitCode.h"
#include "cli/OperationReport.h"
#include "cli/Terminal.h"
#include "components/core/OperationTexts.h"
#include "components/core/UnsafeBatchNameText.h"
#include "dialogs/model/RejoinBatchSettings.h"
#include "dialogs/model/RejoinScriptSettings.h"
#include "dialogs/model/SettingsDisplay.h"
#include "dialogs/model/SplitSettings.h"
#include "engine/SplitFile.h"

#include <algorithm>
#include <cerrno>
#include <limits>

namespace {

enum MainTextId { TooFewParts = 3 };

// The stored settings with the command line's choices laid over them.
SplitSettings EffectiveSettings(const SplitArguments& arguments, const TBReg& store) {
    SplitSettings settings = LoadSettings(store);
    if (arguments.partSize) {
        settings.sizeIndex = CustomBytesIndex;
        settings.sizeText = QString::number(*arguments.partSize);
        settings.splitMode = SplitMode::BySize;
    } else if (arguments.preset) {
        ApplySizeChoice(settings, *arguments.preset);
        settings.splitMode = SplitMode::BySize;
    } else if (arguments.partCount) {
        settings.fileCountText = QString::number(*arguments.partCount);
        settings.fileCountPosition =
            static_cast<int>(std::min<std::int64_t>(*arguments.partCount, std::numeric_limits<int>::max()));
        settings.splitMode = SplitMode::ByCount;
    }
    settings.batchFile = arguments.batch.value_or(settings.batchFile);
    settings.batchDeleteParts = arguments.batchDeleteParts.value_or(settings.batchDeleteParts);
    settings.batchDeleteItself = arguments.batchDeleteSelf.value_or(settings.batchDeleteItself);
    settings.checksumFile = arguments.checksums.value_or(settings.checksumFile);
    return settings;
}

} // namespace

int RunSplit(const CliContext& context) {
    const SplitArguments& arguments = context.arguments.split;
    const int language = context.languageCode;
    const std::optional<std::int64_t> sourceSize = FileSize(arguments.file);
    if (!sourceSize) {
        PrintError(SystemFailure(arguments.file, errno));
        return ExitFailed;
    }

    const SplitSettings settings = EffectiveSettings(arguments, context.settingsStore);
    const OriginalSize original{QString::number(*sourceSize), FileChoice::One};
    const std::optional<std::int64_t> partSize = UsablePartSize(ComputeSettingsDisplay(settings, original, language));
    if (!partSize) {
        PrintError(MainText(TooFewParts, language));
        return ExitRefused;
    }

    SplitRequest request;
    request.sourcePath = arguments.file;
    request.destinationFolder = DestinationFolder(context.arguments.directory);
    request.partSize = *partSize;
    if (settings.batchFile)
        request.batch = RejoinBatchOptionsFor(settings, language);
    if (arguments.script.value_or(WritesRejoinScript(settings)))
        request.script = RejoinScriptOptionsFor(settings, language);
    request.askBeforeReplacingRejoinFiles = true;
    request.checksums = settings.checksumFile;

    CliHost host(language, context.arguments.assumeYes);
    const SplitResult result = host.runShowingProgress(*sourceSize, context.showProgress,
                                                       [&request](CliHost& h) { return splitFile(request, h); });
    if (result.batch.status == RejoinBatchResult::Status::UnsafeName)
        host.tell(UnsafeBatchNameText(result.batch, language));
    if (result.stalePartsRemoved > 0)
        host.tell(OperationTextById(OperationText::StalePartsRemoved, language).arg(result.stalePartsRemoved));
    return ReportOutcome(host, result, language);
}
