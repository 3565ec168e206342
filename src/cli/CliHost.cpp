#include "cli/CliHost.h"

#include "cli/CliTexts.h"
#include "cli/ProgressLine.h"
#include "cli/StopSignal.h"
#include "cli/Terminal.h"
#include "components/core/OperationTexts.h"

namespace {

enum MainTextId {
    TheFile = 4,
    OverwriteAllQuestion = 5,
    RenameQuestion = 21,
    NewNameCaption = 22,
    NewNamePrompt = 23,
    FileQuote = 24,
    SkippedNotice = 25,
    ErrorCaption = 26,
};

} // namespace

CliHost::CliHost(int languageCode, bool assumeYes)
    : m_languageCode(languageCode)
    , m_assumeYes(assumeYes) {}

bool CliHost::stopRequested() {
    return StopSignalled();
}

void CliHost::currentFile(const std::string& text) {
    if (m_progress)
        m_progress->setCurrentFile(text);
}

bool CliHost::canAsk() {
    return StdinIsTerminal();
}

void CliHost::refuse(const std::string& path) {
    m_refusedWithoutTerminal = true;
    tell(MainText(TheFile, m_languageCode) + QString::fromStdString(path) +
         CliText(CliMessage::ExistsNoTerminal, m_languageCode));
}

bool CliHost::confirmOverwrite(const std::string& path) {
    if (m_assumeYes)
        return true;
    if (!canAsk()) {
        refuse(path);
        return false;
    }
    const QString question = MainText(TheFile, m_languageCode) + QString::fromStdString(path) +
                             MainText(OverwriteAllQuestion, m_languageCode);
    return ask(question, false) == Answer::Yes;
}

void CliHost::partMissing(const std::string& path) {
    tell(MainText(ErrorCaption, m_languageCode) + QStringLiteral(": ") + MainText(FileQuote, m_languageCode) +
         QString::fromStdString(path) + MainText(SkippedNotice, m_languageCode));
}

ExistingOutputChoice CliHost::existingOutput(const std::string& path) {
    if (m_assumeYes)
        return ExistingOutputChoice::Overwrite;
    if (!canAsk()) {
        refuse(path);
        return ExistingOutputChoice::Cancel;
    }
    const QString question =
        MainText(TheFile, m_languageCode) + QString::fromStdString(path) + MainText(RenameQuestion, m_languageCode);
    switch (ask(question, true)) {
    case Answer::Yes:
        return ExistingOutputChoice::Rename;
    case Answer::No:
        return ExistingOutputChoice::Overwrite;
    case Answer::Cancel:
        break;
    }
    return ExistingOutputChoice::Cancel;
}

std::optional<std::string> CliHost::newOutputName(const std::string& currentName) {
    const TerminalProgress::Pause pause(m_progress);
    const QString question = MainText(NewNameCaption, m_languageCode) + QStringLiteral(" (") +
                             QString::fromStdString(currentName) + QStringLiteral(")\n") +
                             MainText(NewNamePrompt, m_languageCode) + QStringLiteral(": ");
    for (;;) {
        const std::optional<QString> answer = AskLine(question);
        if (!answer)
            return std::nullopt;
        const QString name = answer->trimmed();
        // As with -o: the output stays in the destination folder.
        if (!name.contains(u'/'))
            return name.toStdString();
        PrintError(OperationTextById(OperationText::NameWithFolder, m_languageCode).arg(name));
    }
}

void CliHost::tell(const QString& text) {
    const TerminalProgress::Pause pause(m_progress);
    PrintError(text);
}

CliHost::Answer CliHost::ask(const QString& question, bool withCancel) {
    const TerminalProgress::Pause pause(m_progress);
    const QString hint = CliText(withCancel ? CliMessage::YesNoCancelHint : CliMessage::YesNoHint, m_languageCode);
    const std::optional<QString> answer = AskLine(question + hint);
    if (answer && IsYesAnswer(*answer))
        return Answer::Yes;
    if (answer && IsNoAnswer(*answer))
        return Answer::No;
    // Anything else takes the capitalised default: No, or Cancel where it is offered.
    return withCancel ? Answer::Cancel : Answer::No;
}
