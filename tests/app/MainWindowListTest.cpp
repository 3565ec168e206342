#include "MainWindowFixture.h"

#include "app/list/OpenDialogFilter.h"
#include "support/ScriptedMessages.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMimeData>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>

using FileListCommands = MainWindowFixture;

TEST_F(FileListCommands, CommandLineAddsExistingFilesInOrderAndFirstShowSortsThem) {
    store().Push("SortType", "2"); // by name
    const QString b = file("b.txt");
    const QString a = file("a.txt");
    MainWindow& window = openWindow({b, m_folder.filePath("missing.txt"), m_folder.path(), a});
    EXPECT_EQ(listedNames(), (QStringList{"b.txt", "a.txt"}));
    window.show();
    EXPECT_EQ(listedNames(), (QStringList{"a.txt", "b.txt"}));
    EXPECT_EQ(window.fileList()->item(0).kennzeichen, "1");
}

TEST_F(FileListCommands, AddDialogStartsInTheLastFolderAndRemembersTheNewOne) {
    store().Push("SortType", "2");
    store().Push("LastSourceDir", "/some/where/");
    store().Push("Language", "2");
    MainWindow& window = openWindow();
    window.show();
    QString askedTitle, askedFolder, askedFilter;
    QStringList answer;
    window.setFileChooser([&](const QString& title, const QString& folder, const QString& filter) {
        askedTitle = title;
        askedFolder = folder;
        askedFilter = filter;
        return answer;
    });

    window.runCommand(MainCommand::AddFile); // cancelled
    EXPECT_EQ(askedTitle, QString::fromUtf8("Datei(en) hinzufügen"));
    EXPECT_EQ(askedFolder, "/some/where/");
    EXPECT_EQ(askedFilter, "Alle Dateien (*)");
    EXPECT_EQ(window.fileList()->itemCount(), 0);
    EXPECT_EQ(store().Pop("LastSourceDir"), "/some/where/");

    answer = {file("z.txt"), file("m.txt")};
    window.toolButton("ToolButton4")->click();
    EXPECT_EQ(listedNames(), (QStringList{"m.txt", "z.txt"}));
    EXPECT_EQ(store().Pop("LastSourceDir"), QDir(m_folder.path()).absolutePath() + "/");
}

TEST_F(FileListCommands, ADropAddsTheFilesOnlyAndSorts) {
    store().Push("SortType", "2");
    MainWindow& window = openWindow();
    window.show();
    QDir(m_folder.path()).mkdir("folder");
    auto data = std::make_unique<QMimeData>();
    data->setUrls({QUrl::fromLocalFile(file("y.txt")), QUrl::fromLocalFile(m_folder.filePath("folder")),
                   QUrl::fromLocalFile(m_folder.filePath("vanished.txt")), QUrl::fromLocalFile(file("x.txt"))});
    QWidget* target = window.listView()->reportView()->viewport();
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QCoreApplication::sendEvent(target, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(listedNames(), (QStringList{"x.txt", "y.txt"}));
    EXPECT_TRUE(target->acceptDrops());
}

TEST_F(FileListCommands, ClipboardFilesAreAppendedUnsorted) {
    store().Push("SortType", "2");
    MainWindow& window = openWindow({file("b.txt")});
    window.show();
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(file("a.txt")), QUrl("https://example.invalid/c.txt")});
    QGuiApplication::clipboard()->setMimeData(data);
    QCoreApplication::processEvents();
    ASSERT_TRUE(window.menuItem("AusZwischenablage2")->isEnabled());
    window.menuItem("AusZwischenablage2")->trigger();
    EXPECT_EQ(listedNames(), (QStringList{"b.txt", "a.txt"}));
}

TEST_F(FileListCommands, DeleteAsksFirstAndAnEmptiedListNumbersFromZero) {
    MainWindow& window = openWindow();
    setList(3, 0);
    {
        ScriptedMessages none; // nothing selected: no question, nothing removed
        window.runCommand(MainCommand::DeleteFile);
        EXPECT_TRUE(none.shown().empty());
    }
    const struct {
        int selected;
        MessageAnswer answer;
        const char* question;
        int itemsAfter;
    } steps[] = {
        {1, MessageAnswer::No, "Do you really want to delete 1  file from list?", 3},
        {2, MessageAnswer::Yes, "Do you really want to delete all 2 files from list?", 1},
        {1, MessageAnswer::Yes, "Do you really want to delete 1  file from list?", 0},
    };
    for (const auto& step : steps) {
        select(step.selected);
        ScriptedMessages messages;
        messages.answer(step.answer);
        window.runCommand(MainCommand::DeleteFile);
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].text, step.question);
        EXPECT_EQ(messages.shown()[0].flags, MbQuestionYesNo);
        EXPECT_EQ(window.fileList()->itemCount(), step.itemsAfter);
    }
    window.fileList()->AddFileToList(file("new.txt"));
    EXPECT_EQ(window.fileList()->item(0).kennzeichen, "0");
}

TEST_F(FileListCommands, ClearAsksEvenWhenEmptyAndKeepsTheListOnNo) {
    MainWindow& window = openWindow();
    ScriptedMessages messages;
    messages.answer(MessageAnswer::No);
    messages.answer(MessageAnswer::No);
    messages.answer(MessageAnswer::Yes);
    window.runCommand(MainCommand::ClearList);
    setList(2, 0);
    window.runCommand(MainCommand::ClearList);
    EXPECT_EQ(window.fileList()->itemCount(), 2);
    window.runCommand(MainCommand::ClearList);
    EXPECT_EQ(window.fileList()->itemCount(), 0);
    ASSERT_EQ(messages.shown().size(), 3u);
    EXPECT_EQ(messages.shown()[0].text, "Do you really want to clear the whole list?");
    EXPECT_TRUE(messages.allAnswersUsed());
}

TEST_F(FileListCommands, ColumnClicksFlipWithoutStoringOrMoveTheKeyAndStoreIt) {
    MainWindow& window = openWindow();
    window.show(); // date, ascending
    store().Push("SearchMode", "1");
    QHeaderView* header = window.listView()->reportView()->header();
    emit header->sectionClicked(3);
    EXPECT_TRUE(window.menuItem("Absteigend1")->isChecked());
    EXPECT_TRUE(window.menuItem("Absteigend2")->isChecked());
    EXPECT_EQ(store().Pop("SearchMode"), "1");
    emit header->sectionClicked(3);
    EXPECT_TRUE(window.menuItem("Aufsteigend1")->isChecked());

    emit header->sectionClicked(0);
    EXPECT_EQ(m_state.SortKey, 0);
    EXPECT_TRUE(window.menuItem("NachName1")->isChecked());
    EXPECT_TRUE(window.menuItem("NachName2")->isChecked());
    EXPECT_TRUE(window.menuItem("Aufsteigend1")->isChecked());
    EXPECT_EQ(store().Pop("SortType"), "2");
}

TEST(OpenDialogFilterText, EveryFileMatchesTheAllFilesFilter) {
    const struct {
        const char* text;
        const char* filter;
    } cases[] = {
        {"All Files (*.*)|*.*", "All Files (*)"},
        {"Alle Dateien (*.*)|*.*", "Alle Dateien (*)"},
        {"Parts|*.001;*.002|All|*.*", "Parts (*.001 *.002);;All (*)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileDialogFilter(c.text), c.filter) << c.text;
}
