#include "app/frame/QtDialogLanguage.h"

#include "components/MessageService.h"
#include "components/core/MainTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void applyQtDialogLanguage(int languageCode) {
    static QTranslator german;
    DialogMessageService::setButtonLanguage(languageCode);
    // Sizes, dates and file types in Qt's dialogs follow the default locale.
    QLocale::setDefault(QLocale(languageCode == LanguageGerman ? QLocale::German : QLocale::English));
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
