#include "dialogs/SpecialSplitDialog.h"

#include "DialogChildrenAndCaptions.h"
#include "components/core/ProgramIdentity.h"
#include "dialogs/SpecialSplitDialogTexts.h"
#include "support/ScriptedMessages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {
QString message(int number, int language) {
    return SpecialSplitMessages[number - 1].in(language);
}

class SpecialSplitDialogTest : public testing::Test {
protected:
    SpecialSplitDialogTest() { showWithSize("1000"); }

    void showWithSize(const QString& size) {
        dialog.setOriginalSize(size);
        dialog.show();
    }

    template <typename T>
    T* child(const char* name) {
        return childOf<T>(dialog, name);
    }

    QLineEdit* position() { return child<QLineEdit>("Edit2"); }
    QLineEdit* name() { return child<QLineEdit>("Edit3"); }
    QTreeWidget* list() { return child<QTreeWidget>("ListView1"); }
    QToolButton* button(const char* buttonName) { return child<QToolButton>(buttonName); }

    void add(const QString& positionText, const QString& nameText) {
        position()->setText(positionText);
        name()->setText(nameText);
        button("SpeedButton1")->click();
    }

    void addAll(std::initializer_list<const char*> positions) {
        for (const char* p : positions)
            add(QString::fromLatin1(p), QStringLiteral("part") + QString::fromLatin1(p));
    }

    void select(int row) { list()->setCurrentItem(list()->topLevelItem(row)); }

    QStringList shownPositions() {
        QStringList positions;
        for (const SpecialSplitEntry& entry : dialog.entries())
            positions.append(entry.position);
        return positions;
    }

    static void pressEnter(QWidget* target) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }

    ScriptedMessages messages;
    SpecialSplitDialog dialog;
};
} // namespace

TEST_F(SpecialSplitDialogTest, AddTakesAWholePositionBelowTheSizeAndAVisibleName) {
    const struct {
        const char16_t* position;
        const char16_t* name;
        int language;
        int message; // 0: added
    } cases[] = {
        {u"999", u"last.bin", 0, 0}, {u"00100", u" spaced name ", 1, 0},
        {u"0", u"x", 0, 0},          {u"1000", u"a", 0, 2},
        {u"-5", u"a", 1, 2},         {u"", u"a", 0, 2},
        {u"12a", u"a", 0, 2},        {u"99999999999999999999", u"a", 1, 2},
        {u" 5", u"a", 0, 2},         {u"5", u"", 1, 1},
        {u"5", u"   ", 0, 1},        {u"", u"", 0, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.position).toStdString() + " / " + QString::fromUtf16(c.name).toStdString());
        dialog.reject();
        list()->clear();
        dialog.setLanguageCode(c.language);
        dialog.show();
        if (c.message)
            messages.answer(MessageAnswer::Ok);
        const size_t shownBefore = messages.shown().size();
        add(QString::fromUtf16(c.position), QString::fromUtf16(c.name));
        if (c.message == 0) {
            ASSERT_EQ(dialog.entries().size(), 1);
            EXPECT_EQ(dialog.entries()[0],
                      (SpecialSplitEntry{QString::fromUtf16(c.position), QString::fromUtf16(c.name)}));
            EXPECT_TRUE(position()->text().isEmpty());
            EXPECT_TRUE(name()->text().isEmpty());
            EXPECT_EQ(messages.shown().size(), shownBefore);
        } else {
            EXPECT_TRUE(dialog.entries().isEmpty());
            EXPECT_EQ(position()->text(), QString::fromUtf16(c.position));
            EXPECT_EQ(name()->text(), QString::fromUtf16(c.name));
            ASSERT_EQ(messages.shown().size(), shownBefore + 1);
            EXPECT_EQ(messages.shown().back().text, message(c.message, c.language));
            EXPECT_EQ(messages.shown().back().caption, ProgramIdentity::MessageTitle);
            EXPECT_EQ(messages.shown().back().flags, MbExclamationOk);
        }
        EXPECT_EQ(dialog.focusWidget(), position());
    }
}

TEST_F(SpecialSplitDialogTest, EnterInThePositionGoesToTheNameAndEnterThereAdds) {
    position()->setText("250");
    position()->setFocus();
    pressEnter(position());
    EXPECT_EQ(dialog.focusWidget(), name());
    EXPECT_TRUE(dialog.isVisible());

    name()->setText("b.bin");
    pressEnter(name());
    EXPECT_EQ(dialog.entries(), (QList<SpecialSplitEntry>{{"250", "b.bin"}}));
    EXPECT_EQ(dialog.focusWidget(), position());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(SpecialSplitDialogTest, ButtonsFollowTheEntriesAndTheSelection) {
    const auto states = [this] {
        std::string s;
        for (const char* b : {"SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton5"})
            s += button(b)->isEnabled() ? '1' : '0';
        return s;
    };
    EXPECT_EQ(states(), "0000");
    addAll({"0", "10", "20"});
    EXPECT_EQ(states(), "0001");
    select(0);
    EXPECT_EQ(states(), "1011");
    select(1);
    EXPECT_EQ(states(), "1111");
    select(2);
    EXPECT_EQ(states(), "1101");
}

TEST_F(SpecialSplitDialogTest, UpAndDownExchangeEntriesAndTheSelectionFollows) {
    addAll({"0", "500", "300"});
    select(2);
    button("SpeedButton3")->click();
    EXPECT_EQ(shownPositions(), (QStringList{"0", "300", "500"}));
    EXPECT_EQ(dialog.entries()[1].name, "part300");
    EXPECT_EQ(list()->indexOfTopLevelItem(list()->selectedItems().value(0)), 1);
    button("SpeedButton4")->click();
    EXPECT_EQ(shownPositions(), (QStringList{"0", "500", "300"}));
    EXPECT_EQ(list()->indexOfTopLevelItem(list()->selectedItems().value(0)), 2);
}

TEST_F(SpecialSplitDialogTest, DeletePutsTheValuesBackForCorrection) {
    addAll({"0", "400"});
    button("SpeedButton2")->click(); // nothing selected: nothing happens
    EXPECT_EQ(dialog.entries().size(), 2);
    select(1);
    button("SpeedButton2")->click();
    EXPECT_EQ(shownPositions(), (QStringList{"0"}));
    EXPECT_EQ(position()->text(), "400");
    EXPECT_EQ(name()->text(), "part400");

    // The entry that moves into the gap is not taken in hand: another Delete does nothing.
    addAll({"500", "600"});
    select(1);
    button("SpeedButton2")->click();
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_FALSE(button("SpeedButton2")->isEnabled());
    button("SpeedButton2")->click();
    EXPECT_EQ(shownPositions(), (QStringList{"0", "600"}));
    EXPECT_EQ(position()->text(), "500");
}

TEST_F(SpecialSplitDialogTest, EntriesKeptFromALongerFileAreCheckedAgainstTheCurrentOne) {
    addAll({"100", "500"});
    for (const bool fromPreviousEnd : {false, true}) {
        SCOPED_TRACE(fromPreviousEnd);
        dialog.reject();
        showWithSize("50");
        child<QRadioButton>(fromPreviousEnd ? "RadioButton2" : "RadioButton1")->setChecked(true);
        messages.answer(MessageAnswer::Ok);
        button("SpeedButton5")->click();
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_FALSE(messages.shown().empty());
        EXPECT_EQ(messages.shown().back().text, message(4, 0));
    }
}

TEST_F(SpecialSplitDialogTest, ProceedChecksTheEntriesOfTheChosenMode) {
    const struct {
        std::initializer_list<const char*> positions;
        bool fromPreviousEnd;
        int message; // 0: closes
    } cases[] = {
        {{"0", "500", "300"}, false, 5},
        {{"0", "300", "500"}, false, 0},
        {{"0", "400", "700"}, true, 4},
        {{"0", "400", "599"}, true, 0},
        // the same entries pass one mode and fail the other
        {{"0", "500", "600"}, false, 0},
        {{"0", "500", "600"}, true, 4},
        {{"10", "5"}, true, 0},
        {{"10", "5"}, false, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(*c.positions.begin()) + (c.fromPreviousEnd ? " previous end" : " file start"));
        dialog.reject();
        list()->clear();
        dialog.show();
        addAll(c.positions);
        child<QRadioButton>(c.fromPreviousEnd ? "RadioButton2" : "RadioButton1")->setChecked(true);
        if (c.message)
            messages.answer(MessageAnswer::Ok);
        const size_t shownBefore = messages.shown().size();
        button("SpeedButton5")->click();
        EXPECT_EQ(dialog.isVisible(), c.message != 0);
        EXPECT_FALSE(dialog.Cancelled());
        if (c.message) {
            ASSERT_EQ(messages.shown().size(), shownBefore + 1);
            EXPECT_EQ(messages.shown().back().text, message(c.message, 0));
        } else {
            EXPECT_EQ(messages.shown().size(), shownBefore);
            EXPECT_EQ(dialog.counting(), c.fromPreviousEnd ? SpecialSplitCounting::FromPreviousPartEnd
                                                           : SpecialSplitCounting::FromFileStart);
        }
    }
}

TEST_F(SpecialSplitDialogTest, MovingTheStrayPositionUpLetsTheDialogClose) {
    addAll({"0", "500", "300"});
    messages.answer(MessageAnswer::Ok);
    button("SpeedButton5")->click();
    ASSERT_TRUE(dialog.isVisible());
    select(2);
    button("SpeedButton3")->click();
    button("SpeedButton5")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.Cancelled());
    EXPECT_EQ(shownPositions(), (QStringList{"0", "300", "500"}));
}

TEST_F(SpecialSplitDialogTest, AnUnknownFileSizeKeepsTheDialogOpenSilently) {
    dialog.reject();
    showWithSize("1000");
    addAll({"0", "10"});
    child<QRadioButton>("RadioButton2")->setChecked(true);
    dialog.reject();
    showWithSize("");
    button("SpeedButton5")->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(SpecialSplitDialogTest, EntriesAndModeStayAfterCancelWhileTheFieldsAreEmptied) {
    addAll({"0", "100"});
    child<QRadioButton>("RadioButton2")->setChecked(true);
    position()->setText("7");
    name()->setText("half typed");
    for (const bool viaCloseBox : {false, true}) {
        if (viaCloseBox)
            dialog.close();
        else
            button("SpeedButton6")->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_TRUE(dialog.Cancelled());

        showWithSize("2048");
        EXPECT_FALSE(dialog.Cancelled());
        EXPECT_EQ(child<QLineEdit>("Edit1")->text(), "2048");
        EXPECT_TRUE(position()->text().isEmpty());
        EXPECT_TRUE(name()->text().isEmpty());
        EXPECT_EQ(shownPositions(), (QStringList{"0", "100"}));
        EXPECT_EQ(dialog.counting(), SpecialSplitCounting::FromPreviousPartEnd);
    }
}

TEST_F(SpecialSplitDialogTest, CaptionsFollowTheLanguageAtEachShowing) {
    for (int language : {1, 0}) {
        dialog.reject();
        dialog.setLanguageCode(language);
        dialog.show();
        expectCaptionsShown(dialog, SpecialSplitCaptions, language);
        EXPECT_EQ(list()->headerItem()->text(0), SpecialSplitColumnCaptions[0].in(language));
        EXPECT_EQ(list()->headerItem()->text(1), SpecialSplitColumnCaptions[1].in(language));
    }
    // Trailing blanks and the no-break space are part of the texts.
    EXPECT_EQ(button("SpeedButton1")->text(), "&Add          ");
    // Delete keeps Alt+D; Down takes Alt+O.
    EXPECT_EQ(button("SpeedButton2")->text(), "&Delete      ");
    EXPECT_EQ(button("SpeedButton4")->text(), "D&own        ");
    EXPECT_TRUE(child<QLabel>("Label3")->text().endsWith(QStringLiteral("from\u00a0:")));
    dialog.reject();
    dialog.setLanguageCode(1);
    dialog.show();
    EXPECT_EQ(button("SpeedButton1")->text(), QStringLiteral("&Hinzufügen  "));
    EXPECT_EQ(dialog.windowTitle(), "Spezialtrennung");
}
