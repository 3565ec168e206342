#include "app/QtDialogLanguage.h"

#include "components/MessageService.h"
#include "components/core/MainTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void applyQtDialogLanguage(int languageCode) {
    static QTranslator german;
    DialogMessageService::setButtonLanguage(languageCode);
    if (languageCode == LanguageGerman) {
        // Without the translation files Qt's dialogs simply stay English.
        if (german.isEmpty())
            (void)german.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (!german.isEmpty())
            QCoreApplication::installTranslator(&german);
    } else {
        QCoreApplication::removeTranslator(&german);
    }
}
