#include "cli/OperationReport.h"

#include "cli/CliHost.h"
#include "cli/CliTexts.h"
#include "cli/ExitCode.h"
#include "cli/StopSignal.h"
#include "components/core/JoinTexts.h"
#include "components/core/OperationTexts.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

namespace {

enum MainTextId { Cancelled = 27, WriteError = 32 };

} // namespace

int ReportOutcome(CliHost& host, const OperationResult& result, int languageCode) {
    switch (result.outcome) {
    case OperationOutcome::Completed:
        return ExitDone;
    case OperationOutcome::Stopped:
        host.tell(MainText(Cancelled, languageCode));
        return StopSignalExitCode();
    case OperationOutcome::Declined:
        if (host.refusedWithoutTerminal())
            return ExitRefused; // the refusal has been told already
        host.tell(MainText(Cancelled, languageCode));
        return StopSignalled() ? StopSignalExitCode() : ExitRefused;
    case OperationOutcome::Failed:
        if (result.error.kind == OperationError::Kind::ReadFailed)
            host.tell(readFailureText(result.error, languageCode));
        else
            host.tell(MainText(WriteError, languageCode) + u'\n' +
                      QString::fromStdString(result.error.path + ": " + result.error.reason()));
        return ExitFailed;
    case OperationOutcome::Refused:
        host.tell(OperationRefusalText(result.error, languageCode));
        return ExitRefused;
    }
    return ExitFailed;
}

QString SystemFailure(const std::string& path, int systemError) {
    return QString::fromStdString(path) + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(systemError));
}

std::optional<std::int64_t> FileSize(const std::string& path) {
    struct stat info = {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return static_cast<std::int64_t>(info.st_size);
}

std::string DestinationFolder(const std::string& directoryArgument) {
    if (!directoryArgument.empty())
        return directoryArgument;
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string(".") : current.string();
}
