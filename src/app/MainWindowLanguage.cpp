// The main window's language: reading and storing it, the two switch commands and the captions.
#include "app/MainWindow.h"

#include "app/frame/MainCaptions.h"
#include "app/frame/QtDialogLanguage.h"
#include "app/list/FileListModel.h"
#include "components/MessageService.h"
#include "components/core/MainTexts.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace {
const QString LanguageValue = QStringLiteral("Language");
constexpr int GermanPosition = 2;
constexpr int EnglishPosition = 1;
constexpr int RefusalText = 30;
} // namespace

void MainWindow::readLanguage() {
    // A missing or unknown value starts in English.
    const int position = m_reg.PopGroupPosition(LanguageValue, 2, EnglishPosition);
    m_languageCode = position == GermanPosition ? LanguageGerman : LanguageEnglish;
    m_files->setLanguageCode(m_languageCode);
    applyQtDialogLanguage(m_languageCode);
    setLanguageTicks();
}

void MainWindow::setLanguageTicks() {
    menuItem(QStringLiteral("Deutsch1"))->setChecked(m_languageCode == LanguageGerman);
    menuItem(QStringLiteral("English1"))->setChecked(m_languageCode == LanguageEnglish);
}

void MainWindow::switchToGerman() {
    switchLanguage(LanguageGerman);
}

void MainWindow::switchToEnglish() {
    switchLanguage(LanguageEnglish);
}

void MainWindow::switchLanguage(int languageCode) {
    // Dates in the list were written in the current language's format, so a listed file locks it.
    const QAction* other =
        menuItem(languageCode == LanguageGerman ? QStringLiteral("English1") : QStringLiteral("Deutsch1"));
    if (other->isChecked() && m_files->itemCount() > 0) {
        setLanguageTicks(); // a click has already toggled the chosen item
        MessageService::current().showMessage(textById(RefusalText), m_messageTitle, MbExclamationOk);
        return;
    }
    m_languageCode = languageCode;
    m_files->setLanguageCode(languageCode);
    applyQtDialogLanguage(languageCode);
    setLanguageTicks();
    m_reg.PushBool(LanguageValue, {languageCode == LanguageEnglish, languageCode == LanguageGerman});
    applyCaptions();
    updateCommandStates();
}

void MainWindow::applyCaptions() {
    for (const MainCaption& caption : MainCaptionTable()) {
        const QString& text = caption.text(m_languageCode);
        if (QToolButton* button = toolButton(caption.objectName)) {
            button->setText(text);
        } else if (QMenu* submenu = menu(caption.objectName)) {
            submenu->setTitle(text);
        } else if (QAction* action = menuItem(caption.objectName)) {
            action->setText(text);
        } else if (caption.objectName == QLatin1String("OpenDialog1")) {
            m_openDialogFilter = text;
        }
    }
}
