#include "cli/ParcelonCli.h"

#include "cli/CliCommands.h"
#include "cli/ExitCode.h"
#include "cli/HelpText.h"
#include "cli/StopSignal.h"
#include "cli/Terminal.h"
#include "cli/UsageErrorText.h"
#include "components/core/MainTexts.h"
#include "components/core/ProgramIdentity.h"
#include "components/core/StoreTexts.h"
#include "components/core/TBReg.h"

#include <cstdio>

namespace {

// The language the window stores: "2" is German, anything else English.
int StoredLanguage(const TBReg& store) {
    return store.PopGroupPosition(QStringLiteral("Language"), 2, 1) == 2 ? LanguageGerman : LanguageEnglish;
}

void PrintOut(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    std::fflush(stdout);
}

} // namespace

int RunParcelon(const std::vector<std::string>& args) {
    const TBReg store(ProgramIdentity::SettingsProgram, ProgramIdentity::SettingsCompany);
    const int language = StoredLanguage(store);
    const ParsedArguments parsed = ParseArguments(args);
    if (!parsed.arguments) {
        PrintError(QStringLiteral("parcelon: ") + UsageErrorText(parsed.usageError, language));
        WriteError(QString::fromStdString(UsageHint(language)));
        return ExitUsage;
    }
    const CliArguments& arguments = *parsed.arguments;
    switch (arguments.kind) {
    case CliCommandKind::Help:
        PrintOut(HelpText(language));
        return ExitDone;
    case CliCommandKind::Version:
        PrintOut((ProgramIdentity::Name + ProgramIdentity::Version).toStdString() + "\n");
        return ExitDone;
    default:
        break;
    }

    InstallStopSignal();
    const CliContext context{arguments, store, language, StderrIsTerminal() && !arguments.quiet};
    if (const SettingsFileRead read = store.readState(); read.failed())
        PrintError(StoreReadProblemText(store.storePath(), read, context.languageCode));
    switch (arguments.kind) {
    case CliCommandKind::Split:
        return RunSplit(context);
    case CliCommandKind::Cut:
        return RunCut(context);
    case CliCommandKind::Verify:
        return RunVerify(context);
    default:
        return RunJoin(context);
    }
}
