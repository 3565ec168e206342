#include "dialogs/JoinOrderDialog.h"

#include "DialogChildrenAndCaptions.h"
#include "dialogs/JoinOrderDialogTexts.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
const QStringList Parts = {"/p/a", "/p/b", "/p/c", "/p/d"};

class JoinOrderDialogTest : public testing::Test {
protected:
    JoinOrderDialogTest() {
        dialog.setPartList(Parts);
        dialog.show();
    }

    template <typename T>
    T* child(const char* name) {
        return childOf<T>(dialog, name);
    }

    QListWidget* list() { return child<QListWidget>("ListBox1"); }
    QToolButton* button(const char* name) { return child<QToolButton>(name); }

    void select(std::initializer_list<int> rows) {
        list()->clearSelection();
        for (int row : rows)
            list()->item(row)->setSelected(true);
    }

    QStringList shownOrder() {
        QStringList order;
        for (int row = 0; row < list()->count(); ++row)
            order.append(list()->item(row)->text());
        return order;
    }

    void setRename(bool ticked, const QString& name) {
        child<QCheckBox>("CheckBox1")->setChecked(ticked);
        dialog.setNameText(name);
    }

    JoinOrderDialog dialog;
};

struct MoveButtonCase {
    std::vector<int> selected;
    bool upEnabled;
    bool downEnabled;
};
} // namespace

TEST_F(JoinOrderDialogTest, MoveButtonsFollowTheSelection) {
    const MoveButtonCase cases[] = {
        {{}, false, false}, {{0}, false, true}, {{3}, true, false}, {{1, 2}, true, true}, {{0, 3}, false, false},
    };
    for (const MoveButtonCase& c : cases) {
        list()->clearSelection();
        for (int row : c.selected)
            list()->item(row)->setSelected(true);
        EXPECT_EQ(button("SB1")->isEnabled(), c.upEnabled) << c.selected.size();
        EXPECT_EQ(button("SB2")->isEnabled(), c.downEnabled) << c.selected.size();
    }
}

TEST_F(JoinOrderDialogTest, MovingKeepsTheRunSelectedInTheList) {
    select({1, 2});
    button("SB1")->click();
    EXPECT_EQ(shownOrder(), (QStringList{"/p/b", "/p/c", "/p/a", "/p/d"}));
    EXPECT_EQ(list()->selectedItems().size(), 2);
    EXPECT_TRUE(list()->item(0)->isSelected());
    EXPECT_TRUE(list()->item(1)->isSelected());
    // The run now sits at the top: up is no longer offered, down brings it back.
    EXPECT_FALSE(button("SB1")->isEnabled());
    button("SB2")->click();
    EXPECT_EQ(shownOrder(), Parts);
    EXPECT_TRUE(list()->item(1)->isSelected() && list()->item(2)->isSelected());
}

TEST_F(JoinOrderDialogTest, ProceedNeedsAVisibleNameOnlyWhenRenaming) {
    const struct {
        bool rename;
        const char16_t* name;
        bool enabled;
    } cases[] = {
        {false, u"", true},
        {true, u"", false},
        {true, u" \t \n", false},
        {true, u"  x ", true},
    };
    for (const auto& c : cases) {
        setRename(c.rename, QString::fromUtf16(c.name));
        EXPECT_EQ(button("SpeedButton3")->isEnabled(), c.enabled)
            << c.rename << " '" << QString::fromUtf16(c.name).toStdString() << "'";
    }
}

TEST_F(JoinOrderDialogTest, RenameMakesTheNameEditableInTheWindowColour) {
    auto* name = child<QLineEdit>("Edit1");
    EXPECT_TRUE(name->isReadOnly());
    EXPECT_EQ(name->palette().color(QPalette::Base), dialog.palette().color(QPalette::Button));
    child<QCheckBox>("CheckBox1")->setChecked(true);
    EXPECT_FALSE(name->isReadOnly());
    EXPECT_EQ(name->palette().color(QPalette::Base), dialog.palette().color(QPalette::Base));
    child<QCheckBox>("CheckBox1")->setChecked(false);
    EXPECT_TRUE(name->isReadOnly());
    EXPECT_EQ(name->palette().color(QPalette::Base), dialog.palette().color(QPalette::Button));
}

TEST_F(JoinOrderDialogTest, ProceedWritesTheShownOrderBack) {
    select({3});
    button("SB1")->click();
    button("SpeedButton3")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.Cancelled());
    EXPECT_EQ(dialog.PartList(), (QStringList{"/p/a", "/p/b", "/p/d", "/p/c"}));

    dialog.show();
    button("SpeedButton3")->click();
    EXPECT_EQ(dialog.PartList(), (QStringList{"/p/a", "/p/b", "/p/d", "/p/c"}));
}

TEST_F(JoinOrderDialogTest, AModalShowingLoadsTheListAndReportsProceed) {
    dialog.reject();
    dialog.setPartList({"/r/1", "/r/2"});
    QTimer::singleShot(0, &dialog, [this] {
        EXPECT_EQ(shownOrder(), (QStringList{"/r/1", "/r/2"}));
        select({1});
        button("SB1")->click();
        button("SpeedButton3")->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_FALSE(dialog.Cancelled());
    EXPECT_EQ(dialog.PartList(), (QStringList{"/r/2", "/r/1"}));
}

TEST_F(JoinOrderDialogTest, EveryOtherWayOutLeavesThePartListUntouched) {
    const std::function<void(JoinOrderDialog&)> closers[] = {
        [](JoinOrderDialog& d) { d.findChild<QToolButton*>("SpeedButton4")->click(); },
        [](JoinOrderDialog& d) { d.close(); },
        [](JoinOrderDialog& d) { d.reject(); },
    };
    for (const auto& closeDialog : closers) {
        dialog.show();
        select({2});
        button("SB1")->click();
        closeDialog(dialog);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_TRUE(dialog.Cancelled());
        EXPECT_EQ(dialog.PartList(), Parts);
    }
}

TEST_F(JoinOrderDialogTest, NameAndRenameStayForTheNextShowingWhileTheListIsReloaded) {
    setRename(true, "joined.bin");
    child<QLineEdit>("Edit1")->setText("mine.bin");
    dialog.reject();

    dialog.setPartList({"/q/x", "/q/y"});
    dialog.show();
    EXPECT_FALSE(dialog.Cancelled());
    EXPECT_EQ(shownOrder(), (QStringList{"/q/x", "/q/y"}));
    EXPECT_TRUE(dialog.renameChecked());
    EXPECT_EQ(dialog.nameText(), "mine.bin");
    EXPECT_FALSE(child<QLineEdit>("Edit1")->isReadOnly());
}

TEST_F(JoinOrderDialogTest, TheImagesShowTheToolbarBandOnlyWhileOpen) {
    for (const char* image : {"Image2", "Image6", "Image10"}) {
        const QPixmap shown = child<QLabel>(image)->pixmap();
        EXPECT_EQ(shown.size(), QPixmap(":/band.png").size()) << image;
        EXPECT_FALSE(shown.isNull()) << image;
    }
    dialog.reject();
    EXPECT_TRUE(child<QLabel>("Image2")->pixmap().isNull());
}

TEST_F(JoinOrderDialogTest, CaptionsFollowTheLanguageAtEachShowing) {
    for (int language : {1, 0}) {
        dialog.reject();
        dialog.setLanguageCode(language);
        dialog.show();
        expectCaptionsShown(dialog, JoinOrderCaptions, language);
        EXPECT_EQ(child<QCheckBox>("CheckBox1")->text(), "Rename :");
    }
    dialog.reject();
    dialog.setLanguageCode(1);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Reihenfolge festlegen");
    EXPECT_EQ(button("SB1")->text(), "nach &open");
    const QString intro = child<QLabel>("Label1")->text();
    EXPECT_TRUE(intro.contains("''IMMER Anzeigen''"));
    EXPECT_TRUE(intro.endsWith(u"Änderungen vor"));
}
