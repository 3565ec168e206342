#include "MainWindowFixture.h"

#include "app/frame/CommandStates.h"
#include "app/frame/MainCaptions.h"
#include "app/frame/MainStatusBar.h"
#include "components/core/MainTexts.h"
#include "support/ScriptedMessages.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace {
const QChar NoBreak(0x00A0);

QString headerText(const MainWindow& window, int column) {
    return window.fileList()->headerData(column, Qt::Horizontal).toString();
}
} // namespace

using Language = MainWindowFixture;

TEST_F(Language, FirstStartIsEnglishAndWritesNothingUntilTheUserChooses) {
    MainWindow& window = openWindow();
    EXPECT_EQ(window.languageCode(), LanguageEnglish);
    EXPECT_EQ(window.windowTitle(), "Brimvale Parcelon 1.4");
    EXPECT_EQ(window.programName() + window.programVersion(), "Brimvale Parcelon 1.4");
    EXPECT_EQ(window.messageTitle(), "Brimvale Parcelon");
    EXPECT_TRUE(window.menuItem("English1")->isChecked());
    EXPECT_FALSE(window.menuItem("Deutsch1")->isChecked());
    EXPECT_EQ(window.toolButton("ToolButton4")->text(), QString(7, NoBreak) + "Add" + QString(8, NoBreak));
    EXPECT_EQ(window.menu("Datei1")->title(), "File");
    EXPECT_EQ(window.menuItem("Spezial2")->text(), "Special Split");
    EXPECT_EQ(window.menu("N1")->title(), "?");
    EXPECT_EQ(headerText(window, 4), "Flag");
    EXPECT_EQ(window.openDialogFilter(), "All Files (*.*)|*.*");
    EXPECT_EQ(window.statusBar1()->panelText(MainStatusBar::FilePanel), "0 File(s) in list");

    window.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(store().Pop("Language").isEmpty());

    window.switchToEnglish();
    EXPECT_EQ(store().Pop("Language"), "1");
}

TEST_F(Language, StoredValueChoosesTheLanguageAndUnknownValuesGiveEnglish) {
    const struct {
        const char* stored;
        int language;
    } cases[] = {{"2", LanguageGerman},
                 {"1", LanguageEnglish},
                 {"0", LanguageEnglish},
                 {"3", LanguageEnglish},
                 {"Deutsch", LanguageEnglish}};
    for (const auto& c : cases) {
        store().Push("Language", c.stored);
        ProgramState state;
        MainWindow window(state);
        EXPECT_EQ(window.languageCode(), c.language) << c.stored;
        EXPECT_EQ(window.menuItem("Deutsch1")->isChecked(), c.language == LanguageGerman) << c.stored;
        EXPECT_EQ(window.menuItem("English1")->isChecked(), c.language == LanguageEnglish) << c.stored;
    }
}

TEST_F(Language, SwitchingWithAnEmptyListStoresAndRewritesEveryCaption) {
    MainWindow& window = openWindow();
    window.switchToGerman();
    EXPECT_EQ(window.languageCode(), LanguageGerman);
    EXPECT_EQ(store().Pop("Language"), "2");
    EXPECT_TRUE(window.menuItem("Deutsch1")->isChecked());
    EXPECT_FALSE(window.menuItem("English1")->isChecked());
    for (const MainCaption& caption : MainCaptionTable()) {
        const QString& name = caption.objectName;
        QString shown;
        if (QToolButton* button = window.toolButton(name))
            shown = button->text();
        else if (QMenu* menu = window.menu(name))
            shown = menu->title();
        else if (QAction* action = window.menuItem(name))
            shown = action->text();
        else if (name == "OpenDialog1")
            shown = window.openDialogFilter();
        else
            shown = headerText(window, name.back().digitValue());
        EXPECT_EQ(shown, caption.german) << name.toStdString();
    }
    EXPECT_EQ(window.statusBar1()->panelText(MainStatusBar::FilePanel), "0 Datei(en) in der Liste");
    // The window's names read the same in both languages.
    EXPECT_EQ(window.windowTitle(), "Brimvale Parcelon 1.4");

    // Choosing the active language again stores it again and changes nothing else.
    store().Push("Language", "");
    window.switchToGerman();
    EXPECT_EQ(store().Pop("Language"), "2");
    EXPECT_EQ(window.toolButton("ToolButton4")->text(), QString::fromUtf8("Hinzufügen"));

    window.switchToEnglish();
    EXPECT_EQ(store().Pop("Language"), "1");
    EXPECT_EQ(window.menuItem("Dateihinzufgen1")->text(), "Add File");
}

TEST_F(Language, ASwitchIsRefusedInTheRequestedLanguageWhileFilesAreListed) {
    const struct {
        const char* stored;
        bool toGerman;
        const char* refusal;
        const char* addCaption;
    } cases[] = {
        {"2", false, "You cannot change the language while there are files in the list!", "Hinzufügen"},
        {"1", true, "Sie können die Sprache nicht ändern, solange Dateien in der Liste sind!", "\u00A0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        store().Push("Language", c.stored);
        MainWindow& window = openWindow();
        setList(1, 0);
        const int before = window.languageCode();
        const QString captionBefore = window.toolButton("ToolButton4")->text();
        // A click has already toggled the chosen item when the command runs.
        QAction* chosen = window.menuItem(c.toGerman ? "Deutsch1" : "English1");
        chosen->setChecked(true);

        ScriptedMessages messages;
        messages.answer(MessageAnswer::Ok);
        window.runCommand(c.toGerman ? MainCommand::German : MainCommand::English);

        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].text, QString::fromUtf8(c.refusal));
        EXPECT_EQ(messages.shown()[0].caption, "Brimvale Parcelon");
        EXPECT_EQ(messages.shown()[0].flags, MbExclamationOk);
        EXPECT_EQ(window.languageCode(), before);
        EXPECT_EQ(window.toolButton("ToolButton4")->text(), captionBefore);
        EXPECT_TRUE(captionBefore.startsWith(QString::fromUtf8(c.addCaption)));
        EXPECT_EQ(window.menuItem("Deutsch1")->isChecked(), before == LanguageGerman);
        EXPECT_EQ(window.menuItem("English1")->isChecked(), before == LanguageEnglish);
        EXPECT_EQ(store().Pop("Language"), c.stored);
    }
}

TEST(CountText, NamesSelectedFilesBeforeListedFilesInBothLanguages) {
    const struct {
        int items;
        int selected;
        int language;
        const char* text;
    } cases[] = {
        {0, 0, LanguageGerman, "0 Datei(en) in der Liste"}, {0, 0, LanguageEnglish, "0 File(s) in list"},
        {5, 3, LanguageEnglish, "3 File(s) selected"},      {5, 1, LanguageGerman, "1 Datei(en) gewählt"},
        {12, 0, LanguageEnglish, "12 File(s) in list"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IdleCountText(c.items, c.selected, c.language), QString::fromUtf8(c.text)) << c.text;
}
