#include "dialogs/SettingsDialog.h"

#include "DialogChildrenAndCaptions.h"
#include "components/core/TBReg.h"
#include "dialogs/ShellShortcuts.h"
#include "support/QStringPrinter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>
#include <QToolButton>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Every test gets a store of its own, so values never leak from one test into another.
TBReg freshStore() {
    static int storeNumber = 0;
    return TBReg(QStringLiteral("SettingsDialog%1").arg(++storeNumber), QStringLiteral("BrimvaleTest"));
}

// Keystrokes as the user types them, so the field's own edit signals fire.
void typeInto(QLineEdit* field, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
}

// Typing over the whole field, as after selecting its text.
void typeOver(QLineEdit* field, const QString& text) {
    field->selectAll();
    if (text.isEmpty()) {
        QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QApplication::sendEvent(field, &backspace);
    }
    typeInto(field, text);
}

class SettingsDialogTest : public ::testing::Test {
protected:
    void TearDown() override {
        m_dialog.reject();
        for (ShortcutKind kind : AllShortcutKinds)
            ShellShortcuts::remove(kind);
    }

    void store(const QMap<QString, QString>& values) const {
        for (auto it = values.begin(); it != values.end(); ++it)
            m_reg.Push(it.key(), it.value());
    }
    void showWith(const OriginalSize& original, int languageCode = 0) {
        m_dialog.setLanguageCode(languageCode);
        m_dialog.setOriginalSize(original);
        m_dialog.show();
        m_dialog.activateWindow();
        QApplication::processEvents();
    }
    void showOneFile(const QString& bytes) { showWith(ReadOriginalSize({bytes}, {})); }

    template <typename Widget = QWidget>
    Widget* control(const char* name) const {
        return childOf<Widget>(m_dialog, name);
    }
    void pressOk() const { control<QToolButton>("SpeedButton1")->click(); }
    QString text(const char* labelName) const { return control<QLabel>(labelName)->text(); }
    bool isRed(const char* labelName) const {
        return control<QLabel>(labelName)->palette().color(QPalette::WindowText) == QColor(Qt::red);
    }
    void chooseSize(int index) {
        control<QComboBox>("ComboBox1")->setCurrentIndex(index);
        m_dialog.ComboBox1Change();
    }

    TBReg m_reg = freshStore();
    SettingsDialog m_dialog{m_reg};
};

} // namespace

TEST_F(SettingsDialogTest, InformationPanelFollowsTheSettingsAndTheChosenFile) {
    const struct {
        const char* what;
        QMap<QString, QString> stored;
        OriginalSize original;
        int languageCode;
        QString label3, label1, label8, label9;
        bool red;
    } cases[] = {
        {"preset 0 on a fresh store",
         {},
         ReadOriginalSize({"3000000"}, {}),
         0,
         "3.000.000 Bytes",
         "3",
         "1.457.664 Bytes",
         "1457664",
         false},
        {"one part only",
         {},
         ReadOriginalSize({"1457664"}, {}),
         1,
         "1.457.664 Bytes",
         "1 (Minimum 2!)",
         "Größer als Orginal!",
         "",
         true},
        {"count mode, 10 bytes in 3",
         {{"SplitMode", "2"}, {"FileCount", "3"}},
         ReadOriginalSize({"10"}, {}),
         0,
         "10 Bytes",
         "3",
         "3 Bytes",
         "3",
         false},
        {"two files selected",
         {},
         ReadOriginalSize({"10", "20", "30"}, {0, 2}),
         0,
         "Too many files",
         "Illegal Syntax",
         "",
         "",
         true},
        {"no file chosen", {}, ReadOriginalSize({"10", "20"}, {}), 1, "Keine Datei", "", "", "", true},
        {"custom size in KB",
         {{"SizeIndex", "7"}, {"LastIndivSizeKB", "100"}},
         ReadOriginalSize({"1000000"}, {}),
         0,
         "1.000.000 Bytes",
         "10",
         "102.400 Bytes",
         "102400",
         false},
        {"custom size of 2048 MB",
         {{"SizeIndex", "8"}, {"LastIndivSizeMB", "2048"}},
         ReadOriginalSize({"5000000000"}, {}),
         0,
         "5.000.000.000 Bytes",
         "3",
         "2.147.483.648 Bytes",
         "2147483648",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_reg = freshStore();
        store(c.stored);
        showWith(c.original, c.languageCode);
        EXPECT_EQ(text("Label3"), c.label3);
        EXPECT_EQ(text("Label1"), c.label1);
        EXPECT_EQ(text("Label8"), c.label8);
        EXPECT_EQ(text("Label9"), c.label9);
        EXPECT_EQ(isRed("Label1"), c.red);
        m_dialog.reject();
    }
}

TEST_F(SettingsDialogTest, DisplayFollowsEditsAtTheNextTick) {
    showOneFile("3000000");
    chooseSize(6);
    typeInto(control<QLineEdit>("Edit2"), "1000000");
    m_dialog.Timer1Timer();
    EXPECT_EQ(text("Label1"), "3");
    EXPECT_EQ(text("Label9"), "1000000");

    control<QRadioButton>("RadioButton2")->click();
    typeOver(control<QLineEdit>("Edit3"), "4");
    m_dialog.Timer1Timer();
    EXPECT_EQ(text("Label1"), "4");
    EXPECT_EQ(text("Label9"), "750000");
}

TEST_F(SettingsDialogTest, NumberOfPartsIsCheckedAtEveryKeystroke) {
    store({{"SplitMode", "2"}});
    showOneFile("1000");
    auto* count = control<QLineEdit>("Edit3");
    const struct {
        QString typed;
        QString shown;
    } cases[] = {
        // The first keystroke "1" is already below the minimum.
        {"15", "25"}, {"999", "999"}, {"1000", "2"}, {"0", "2"},   {"7", "7"},
        {"x", "2"},   {" ", "2"},     {"-3", "23"},  {"12", "22"},
    };
    for (const auto& c : cases) {
        typeOver(count, c.typed);
        EXPECT_EQ(count->text(), c.shown) << c.typed.toStdString();
        EXPECT_EQ(m_dialog.settings().fileCountPosition, c.shown.toInt()) << c.typed.toStdString();
    }
    // Emptying the field is a keystroke too.
    typeOver(count, QString());
    EXPECT_EQ(count->text(), "2");
}

TEST_F(SettingsDialogTest, UpDownStepsTheNumberOfPartsWithinItsRange) {
    store({{"SplitMode", "2"}, {"FileCount", "998"}});
    showOneFile("1000");
    const QList<QToolButton*> arrows = control("UpDown1")->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    auto* count = control<QLineEdit>("Edit3");
    arrows[0]->click();
    EXPECT_EQ(count->text(), "999");
    arrows[0]->click();
    EXPECT_EQ(count->text(), "999");
    arrows[1]->click();
    EXPECT_EQ(count->text(), "998");
}

TEST_F(SettingsDialogTest, UpAndDownKeysStepTheNumberOfPartsAndEnterPressesOk) {
    store({{"SplitMode", "2"}, {"FileCount", "5"}});
    showOneFile("1000");
    auto* count = control<QLineEdit>("Edit3");
    count->setFocus();
    for (const auto& [key, shown] : {std::pair{Qt::Key_Up, "6"}, {Qt::Key_Up, "7"}, {Qt::Key_Down, "6"}}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(count, &press);
        EXPECT_EQ(count->text(), shown);
    }
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(count, &enter);
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_FALSE(m_dialog.Cancelled());
    EXPECT_EQ(m_reg.Pop("FileCount"), "6");

    // From a check box too, with the keypad's Enter.
    showOneFile("1000");
    auto* batch = control<QCheckBox>("CheckBox1");
    batch->setFocus();
    batch->click();
    QKeyEvent keypadEnter(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
    QApplication::sendEvent(batch, &keypadEnter);
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_EQ(m_reg.Pop("BatchFile"), "0");
}

TEST_F(SettingsDialogTest, SwitchingToCountModeTurnsOnePartIntoTwo) {
    showOneFile("1000");
    EXPECT_EQ(control<QLineEdit>("Edit3")->text(), "1");
    EXPECT_FALSE(control("GroupBox4")->isVisible());
    control<QRadioButton>("RadioButton2")->click();
    EXPECT_EQ(control<QLineEdit>("Edit3")->text(), "2");
    EXPECT_TRUE(control("GroupBox4")->isVisible());
    EXPECT_FALSE(control("GroupBox1")->isVisible());
    EXPECT_TRUE(control("Edit3")->isEnabled());
    EXPECT_TRUE(control("UpDown1")->isEnabled());
}

TEST_F(SettingsDialogTest, SizeChoiceShowsPresetBytesOrTheRememberedCustomValue) {
    store({{"LastIndivSizeKB", "640"}});
    showOneFile("1000");
    auto* size = control<QLineEdit>("Edit2");
    chooseSize(7);
    EXPECT_EQ(size->text(), "640");
    EXPECT_TRUE(size->isEnabled());
    EXPECT_FALSE(control("Label2")->isVisible());
    chooseSize(4);
    EXPECT_EQ(size->text(), "679477248");
    EXPECT_FALSE(size->isEnabled());
    EXPECT_TRUE(control("Label2")->isVisible());
}

TEST_F(SettingsDialogTest, CustomSizeIsRememberedWhenLeavingTheFieldEvenAfterCancel) {
    showOneFile("1000");
    auto* size = control<QLineEdit>("Edit2");
    chooseSize(6);
    ASSERT_TRUE(size->hasFocus());
    typeInto(size, "4096");
    control("ComboBox1")->setFocus();
    EXPECT_EQ(m_reg.Pop("LastIndivSizeBytes"), "4096");

    chooseSize(7);
    typeInto(size, "64");
    m_dialog.reject();
    EXPECT_EQ(m_reg.Pop("LastIndivSizeKB"), "64");
    // Nothing else was saved.
    EXPECT_EQ(m_reg.Pop("SizeIndex"), "");

    showOneFile("1000");
    chooseSize(6);
    EXPECT_EQ(size->text(), "4096");
}

TEST_F(SettingsDialogTest, OkStoresEveryValueAndCancelStoresNone) {
    showOneFile("1000");
    chooseSize(8);
    typeInto(control<QLineEdit>("Edit2"), "3000");
    control<QCheckBox>("CheckBox1")->click();
    control<QRadioButton>("RadioButton5")->click();
    control<QCheckBox>("CheckBox2")->click();
    m_dialog.reject();
    EXPECT_EQ(m_reg.Pop("SizeIndex"), "");
    EXPECT_EQ(m_reg.Pop("BatchFile"), "");

    showOneFile("1000");
    EXPECT_EQ(control<QComboBox>("ComboBox1")->currentIndex(), 0);
    chooseSize(8);
    typeOver(control<QLineEdit>("Edit2"), "3000");
    control<QCheckBox>("CheckBox1")->click();
    control<QRadioButton>("RadioButton5")->click();
    control<QCheckBox>("CheckBox2")->click();
    control<QCheckBox>("CheckBox10")->click();
    control<QRadioButton>("RadioButton2")->click();
    pressOk();
    EXPECT_FALSE(m_dialog.isVisible());
    const QMap<QString, QString> expected = {
        {"SplitMode", "2"},        {"SizeIndex", "8"},  {"Size", "3000"},           {"LastIndivSizeMB", "3000"},
        {"FileCount", "2"},        {"BatchFile", "0"},  {"BatchDelSplitFile", "1"}, {"BatchDelItself", "1"},
        {"DeleteSplitFiles", "1"}, {"KitFileAsk", "3"}, {"ChecksumFile", "0"},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(m_reg.Pop(it.key()), it.value()) << it.key().toStdString();
}

TEST_F(SettingsDialogTest, AStoreThatCannotBeWrittenIsReportedOncePerOk) {
    // A folder where the settings file should be.
    ASSERT_TRUE(QDir().mkpath(m_reg.storePath()));
    std::vector<TBRegWriteFailure> failures;
    TBReg::setWriteFailureHandler([&](const TBRegWriteFailure& failure) { failures.push_back(failure); });
    showOneFile("1000");
    chooseSize(8);
    typeOver(control<QLineEdit>("Edit2"), "3000");
    pressOk();
    TBReg::setWriteFailureHandler({});
    QDir(m_reg.storePath()).removeRecursively();

    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(failures[0].valueNames.contains(QStringLiteral("LastIndivSizeMB")));
    EXPECT_TRUE(failures[0].valueNames.contains(QStringLiteral("KitFileAsk")));
    EXPECT_EQ(failures[0].storePath, m_reg.storePath());
}

TEST_F(SettingsDialogTest, BatchDeleteAndScriptOptionsAreGreyedOutWithoutLosingTheirState) {
    store({{"BatchDelSplitFile", "0"}, {"ShellScript", "0"}});
    showOneFile("1000");
    auto* batch = control<QCheckBox>("CheckBox1");
    auto* deleteParts = control<QCheckBox>("CheckBox3");
    auto* deleteItself = control<QCheckBox>("CheckBox4");
    auto* script = control<QCheckBox>("ShellScriptBox");
    EXPECT_FALSE(script->isChecked());
    script->click();
    batch->click();
    EXPECT_FALSE(deleteParts->isEnabled());
    EXPECT_FALSE(deleteItself->isEnabled());
    EXPECT_FALSE(script->isEnabled());
    EXPECT_FALSE(deleteParts->isChecked());
    EXPECT_TRUE(deleteItself->isChecked());
    EXPECT_TRUE(script->isChecked());
    batch->click();
    EXPECT_TRUE(deleteParts->isEnabled());
    EXPECT_TRUE(script->isEnabled());
    EXPECT_FALSE(deleteParts->isChecked());
    pressOk();
    EXPECT_EQ(m_reg.Pop(QStringLiteral("ShellScript")), QStringLiteral("1"));
}

TEST_F(SettingsDialogTest, ShowingAgainDiscardsWhatCancelLeftBehind) {
    showOneFile("1000");
    control<QRadioButton>("RadioButton2")->click();
    control<QCheckBox>("CheckBox1")->click();
    m_dialog.reject();
    showOneFile("1000");
    EXPECT_TRUE(control<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_EQ(m_dialog.settings(), LoadSettings(m_reg));
}

TEST_F(SettingsDialogTest, LauncherBoxesShowAndDecideWhichLaunchersExist) {
    m_dialog.setProgramFolder(QStringLiteral("/opt/brimvale/"));
    showOneFile("1000");
    auto* desktop = control<QCheckBox>("CheckBox6");
    EXPECT_FALSE(desktop->isChecked());
    EXPECT_FALSE(control("CheckBox7")->isEnabled());
    desktop->click();
    control<QCheckBox>("CheckBox5")->click();
    pressOk();
    EXPECT_TRUE(ShellShortcuts::exists(ShortcutKind::Desktop));
    EXPECT_TRUE(ShellShortcuts::exists(ShortcutKind::SendTo));
    EXPECT_FALSE(ShellShortcuts::exists(ShortcutKind::StartMenu));

    // Cancel touches no launcher, whatever the boxes show.
    showOneFile("1000");
    EXPECT_TRUE(desktop->isChecked());
    desktop->click();
    control<QCheckBox>("CheckBox8")->click();
    m_dialog.reject();
    EXPECT_TRUE(ShellShortcuts::exists(ShortcutKind::Desktop));
    EXPECT_FALSE(ShellShortcuts::exists(ShortcutKind::StartMenu));

    showOneFile("1000");
    desktop->click();
    pressOk();
    EXPECT_FALSE(ShellShortcuts::exists(ShortcutKind::Desktop));
    EXPECT_TRUE(ShellShortcuts::exists(ShortcutKind::SendTo));

    // A launcher deleted by hand shows unchecked at the next showing.
    ASSERT_TRUE(QFile::remove(ShellShortcuts::launcherPath(ShortcutKind::SendTo)));
    showOneFile("1000");
    EXPECT_FALSE(control<QCheckBox>("CheckBox5")->isChecked());
}

TEST_F(SettingsDialogTest, CaptionsAndSizeChoicesFollowTheLanguageAtEveryShowing) {
    const struct {
        int languageCode;
        QString title, sendTo, quickLaunch, startMenu, firstChoice, lastChoice, sizeGroup;
    } cases[] = {
        {0, "Settings", "Activite", "Quick Launch Bar", "Startmenu", "3,5'' Floppy (1.38MB)", "Custom size in MB",
         " Size :"},
        {1, "Einstellungen", "Aktivieren", "Schnellstartleiste", "Startmenü", "3,5'' Diskette (1.38MB)",
         "Individuell in MB", " Größe :"},
    };
    for (const auto& c : cases) {
        showWith(OriginalSize(), c.languageCode);
        EXPECT_EQ(m_dialog.windowTitle(), c.title);
        EXPECT_EQ(control<QCheckBox>("CheckBox5")->text(), c.sendTo);
        EXPECT_EQ(control<QCheckBox>("CheckBox6")->text(), "Windows Dektop");
        EXPECT_EQ(control<QCheckBox>("CheckBox7")->text(), c.quickLaunch);
        EXPECT_EQ(control<QCheckBox>("CheckBox8")->text(), c.startMenu);
        EXPECT_EQ(control<QGroupBox>("GroupBox1")->title(), c.sizeGroup);
        EXPECT_EQ(control<QGroupBox>("GroupBox7")->title(), "Shellintegration : ");
        const auto* sizes = control<QComboBox>("ComboBox1");
        ASSERT_EQ(sizes->count(), 9);
        EXPECT_EQ(sizes->itemText(0), c.firstChoice);
        EXPECT_EQ(sizes->itemText(8), c.lastChoice);
        m_dialog.reject();
    }
}
