#include "MainWindowFixture.h"

#include "app/frame/MainPictures.h"

#include <QAction>
#include <QListView>
#include <QMenu>
#include <QToolButton>
#include <QTreeView>

using MainMenusAndToolbar = MainWindowFixture;

TEST_F(MainMenusAndToolbar, ItemsAndTheirPopupTwinsCarryShortcutsAndImages) {
    MainWindow& window = openWindow();
    const struct {
        const char* name;
        QKeySequence shortcut;
        bool image;
    } items[] = {
        {"Splitten1", QKeySequence("Ctrl+S"), true},
        {"Splitten2", QKeySequence("Ctrl+S"), true},
        {"Zusammenfhren1", QKeySequence("Ctrl+M"), true},
        {"Zusammenfhren2", QKeySequence("Ctrl+M"), true},
        {"Beenden1", QKeySequence("Ctrl+Q"), true},
        {"Dateihinzufgen1", QKeySequence("Ctrl+H"), true},
        {"Dateihinzufgen2", QKeySequence("Ctrl+H"), true},
        {"AusZwischenablage2", QKeySequence("Ctrl+V"), true},
        {"AusZwischenablage1", QKeySequence("Ctrl+V"), true},
        {"Dateilschen1", QKeySequence(Qt::Key_Delete), true},
        {"Dateilschen2", QKeySequence(Qt::Key_Delete), true},
        {"Alleauswhlen1", QKeySequence("Ctrl+A"), false},
        {"Alleauswhlen2", QKeySequence("Ctrl+A"), false},
        {"Spezial1", QKeySequence(), false},
        {"Einstellungen2", QKeySequence(), false},
        {"GroeSymbole2", QKeySequence(), true},
        {"Absteigend2", QKeySequence(), true},
        {"English1", QKeySequence(), true},
        {"berBrimvaleParcelon1", QKeySequence(), true},
    };
    for (const auto& item : items) {
        const QAction* action = window.menuItem(item.name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->shortcut(), item.shortcut) << item.name;
        EXPECT_EQ(!action->icon().isNull(), item.image) << item.name;
    }
    for (const char* separator :
         {"N2", "N3", "N4", "N5", "N6", "N7", "N8", "N9", "N10", "N11", "N12", "N13", "N14", "N16"})
        EXPECT_TRUE(window.menuItem(separator)->isSeparator()) << separator;
    EXPECT_EQ(window.menu("Sortieren2")->parent(), window.menu("PopupMenu1"));
    EXPECT_EQ(window.menu("Sortieren1")->parent(), window.menu("Ansicht1"));
}

TEST_F(MainMenusAndToolbar, ToolbarButtonsShowTheirPictureAboveTheirCaption) {
    MainWindow& window = openWindow();
    for (const char* name :
         {"ToolButton4", "ToolButton1", "ToolButton2", "ToolButton6", "ToolButton3", "ToolButton5"}) {
        const QToolButton* button = window.toolButton(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_FALSE(button->icon().isNull()) << name;
        EXPECT_FALSE(button->text().isEmpty()) << name;
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon) << name;
        EXPECT_EQ(button->size(), QSize(70, 52)) << name;
    }
    EXPECT_NE(window.findChild<QWidget*>("ToolButton7"), nullptr);
    EXPECT_NE(window.findChild<QWidget*>("CoolBar1"), nullptr);
}

TEST_F(MainMenusAndToolbar, ViewItemsAreRadioItemsButDirectionItemsAreTickedByTheirCommand) {
    MainWindow& window = openWindow();
    window.menuItem("Liste1")->trigger();
    EXPECT_TRUE(window.menuItem("Liste1")->isChecked());
    EXPECT_TRUE(window.menuItem("Liste2")->isChecked());
    EXPECT_FALSE(window.menuItem("Details1")->isChecked());
    EXPECT_FALSE(window.menuItem("Details2")->isChecked());
    EXPECT_EQ(store().Pop("View"), "2");

    // Choosing "Absteigend" in the popup ticks it in both menus.
    window.menuItem("Absteigend2")->trigger();
    EXPECT_TRUE(window.menuItem("Absteigend1")->isChecked());
    EXPECT_FALSE(window.menuItem("Aufsteigend1")->isChecked());
    EXPECT_FALSE(window.menuItem("Aufsteigend2")->isChecked());
    EXPECT_EQ(store().Pop("SearchMode"), "2");
    // A click on the ticked item leaves it ticked.
    window.menuItem("Absteigend1")->trigger();
    EXPECT_TRUE(window.menuItem("Absteigend1")->isChecked());

    window.menuItem("NachGre2")->trigger();
    EXPECT_EQ(m_state.SortKey, 2);
    EXPECT_TRUE(window.menuItem("NachGre1")->isChecked());
    EXPECT_EQ(store().Pop("SortType"), "4");
}

TEST_F(MainMenusAndToolbar, FirstShowRestoresViewDirectionAndSortKey) {
    const struct {
        const char* view;
        const char* searchMode;
        const char* sortType;
        const char* viewItem;
        bool ascending;
        int sortKey;
    } cases[] = {
        {"", "", "", "Details1", true, 3},        {"1", "2", "1", "KleineSymbole1", false, 4},
        {"0", "1", "2", "GroeSymbole1", true, 0}, {"x", "7", "3", "Details1", true, 1},
        {"2", "0", "9", "Liste1", true, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sortType);
        store().Push("View", c.view);
        store().Push("SearchMode", c.searchMode);
        store().Push("SortType", c.sortType);
        ProgramState state;
        MainWindow window(state);
        window.show();
        EXPECT_TRUE(window.menuItem(c.viewItem)->isChecked());
        EXPECT_EQ(window.menuItem("Aufsteigend1")->isChecked(), c.ascending);
        EXPECT_EQ(window.menuItem("Absteigend2")->isChecked(), !c.ascending);
        EXPECT_EQ(state.SortKey, c.sortKey);
        const QVariant arrow = window.fileList()->headerData(c.sortKey, Qt::Horizontal, Qt::DecorationRole);
        EXPECT_FALSE(arrow.value<QIcon>().isNull());
        window.close();
    }
}

TEST(MainPicturesTest, EveryPictureOfTheWindowIsThere) {
    for (int index = 0; index < 16; ++index)
        EXPECT_FALSE(MainPictures::menuImage(index).pixmap(16).isNull()) << index;
    EXPECT_TRUE(MainPictures::menuImage(16).isNull());
    for (int index = 0; index < 6; ++index)
        EXPECT_EQ(MainPictures::toolbarImage(index).pixmap(32).size(), QSize(32, 32)) << index;
    for (const QPixmap& lamp : {MainPictures::redLamp(), MainPictures::greenLamp(), MainPictures::greyLamp()})
        EXPECT_EQ(lamp.size(), QSize(16, 16));
    EXPECT_FALSE(MainPictures::sortArrow(true).pixmap(16).isNull());
    EXPECT_FALSE(MainPictures::sortArrow(false).pixmap(16).isNull());
    EXPECT_EQ(MainPictures::programIcon().availableSizes().size(), 6);
    EXPECT_FALSE(MainPictures::band().isNull());
}

TEST_F(MainMenusAndToolbar, EveryViewStyleShowsTheSameSelection) {
    MainWindow& window = openWindow();
    setList(4, 2);
    const struct {
        MainCommand command;
        FileListViews::Style style;
        QListView::ViewMode mode;
        int iconSize;
    } styles[] = {
        {MainCommand::ViewLargeIcons, FileListViews::LargeIcons, QListView::IconMode, 32},
        {MainCommand::ViewSmallIcons, FileListViews::SmallIcons, QListView::ListMode, 16},
        {MainCommand::ViewList, FileListViews::List, QListView::ListMode, 16},
    };
    for (const auto& s : styles) {
        window.runCommand(s.command);
        EXPECT_EQ(window.listView()->currentView(), window.listView()->namesView());
        EXPECT_EQ(window.listView()->namesView()->viewMode(), s.mode);
        EXPECT_EQ(window.listView()->namesView()->iconSize(), QSize(s.iconSize, s.iconSize));
        EXPECT_EQ(window.listView()->namesView()->selectionModel()->selectedRows().size(), 2);
        EXPECT_EQ(store().Pop("View"), QString::number(s.style));
    }
    window.listView()->namesView()->selectionModel()->select(window.fileList()->index(3, 0),
                                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
    window.runCommand(MainCommand::ViewDetails);
    EXPECT_EQ(window.listView()->currentView(), window.listView()->reportView());
    EXPECT_EQ(window.listView()->reportView()->selectionModel()->selectedRows().size(), 3);
    EXPECT_EQ(store().Pop("View"), "3");
}
