#include "cli/CliCommands.h"
#include "cli/CliHost.h"
#include "cli/ExitCode.h"
#include "cli/OperationReport.h"
#include "cli/Terminal.h"
#include "cli/VerifyTexts.h"
#include "engine/VerifyChecksums.h"

#include <cstdio>
#include <cstring>

namespace {

QString StateText(const FileCheck& check, int language) {
    switch (check.state) {
    case FileCheck::State::Ok:
        return VerifyTextById(VerifyText::Ok, language);
    case FileCheck::State::Failed:
        return VerifyTextById(VerifyText::Failed, language);
    case FileCheck::State::Missing:
        return VerifyTextById(VerifyText::Missing, language);
    case FileCheck::State::Unreadable:
        break;
    }
    return VerifyTextById(VerifyText::Unreadable, language)
        .arg(QString::fromLocal8Bit(std::strerror(check.systemError)));
}

// One line on stdout as sha256sum -c writes it: "name: state", the name escaped when it needs it.
void PrintCheck(const FileCheck& check, int language) {
    const std::string line =
        checksumReportName(check.fileName) + ": " + StateText(check, language).toStdString() + "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
}

} // namespace

int RunVerify(const CliContext& context) {
    const int language = context.languageCode;
    const std::string checksumPath = checksumFileToVerify(context.arguments.verifyFile);
    const VerifyPlan plan = planVerify(checksumPath);
    if (plan.reading.systemError != 0) {
        PrintError(SystemFailure(checksumPath, plan.reading.systemError));
        return ExitFailed;
    }
    if (!plan.reading.entries) {
        PrintError(VerifyTextById(VerifyText::NotChecksumFile, language).arg(QString::fromStdString(checksumPath)));
        return ExitFailed;
    }

    CliHost host(language, context.arguments.assumeYes);
    const VerifyResult result = host.runShowingProgress(plan.totalBytes, context.showProgress,
                                                        [&plan](CliHost& h) { return verifyChecksums(plan, h); });
    for (const FileCheck& check : result.checks)
        PrintCheck(check, language);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        PrintError(SystemFailure("stdout", errno));
        return ExitFailed;
    }
    if (result.outcome != OperationOutcome::Completed)
        return ReportOutcome(host, result, language);

    bool originalOk = false;
    for (const FileCheck& check : result.checks)
        originalOk = originalOk || (check.isOriginal && check.state == FileCheck::State::Ok);
    if (!context.arguments.quiet) {
        const VerifyText verdict = !result.confirmed ? VerifyText::NotConfirmed
                                   : originalOk      ? VerifyText::OriginalConfirmed
                                                     : VerifyText::PartsConfirmed;
        host.tell(VerifyTextById(verdict, language));
    }
    return result.confirmed ? ExitDone : ExitFailed;
}
