#include "app/operations/WindowQuestions.h"

#include "components/MessageService.h"
#include "components/core/MainTexts.h"
#include "components/core/OperationTexts.h"
#include "components/core/ProgramIdentity.h"

WindowQuestions::WindowQuestions(LanguageSource language, StatusSink showInStatus)
    : m_language(std::move(language))
    , m_showInStatus(std::move(showInStatus)) {}

QString WindowQuestions::text(int id) const {
    return TextById(id, m_language());
}

void WindowQuestions::showCurrentFile(const QString& text) {
    m_showInStatus(text);
}

bool WindowQuestions::confirmOverwrite(const QString& path) {
    return MessageService::current().showMessage(text(4) + path + text(5), ProgramIdentity::MessageTitle,
                                                 MbExclamationYesNo) == MessageAnswer::Yes;
}

void WindowQuestions::reportMissingPart(const QString& path) {
    MessageService::current().showMessage(text(24) + path + text(25), text(26), MbStopOk);
}

ExistingOutputChoice WindowQuestions::existingOutput(const QString& path) {
    switch (MessageService::current().showMessage(text(4) + path + text(21), ProgramIdentity::MessageTitle,
                                                  MbExclamationYesNoCancel)) {
    case MessageAnswer::Yes:
        return ExistingOutputChoice::Rename;
    case MessageAnswer::No:
        return ExistingOutputChoice::Overwrite;
    default:
        return ExistingOutputChoice::Cancel;
    }
}

std::optional<QString> WindowQuestions::newOutputName(const QString& currentName) {
    for (;;) {
        std::optional<QString> name = MessageService::current().inputText(text(22), text(23), currentName);
        // The output stays in the destination folder: a name with a folder is asked for again.
        if (!name || !name->contains(u'/'))
            return name;
        MessageService::current().showMessage(OperationTextById(OperationText::NameWithFolder, m_language()).arg(*name),
                                              ProgramIdentity::MessageTitle, MbExclamationOk);
    }
}
