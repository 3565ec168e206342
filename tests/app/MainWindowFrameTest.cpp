#include "MainWindowFixture.h"

#include "app/frame/MainStatusBar.h"
#include "app/operations/OperationRunner.h"
#include "app/operations/ProgressDisplay.h"
#include "support/ScriptedMessages.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>

namespace {
void putFilesOnClipboard(bool files) {
    auto* data = new QMimeData;
    if (files)
        data->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/some.file"))});
    else
        data->setText(QStringLiteral("plain text"));
    QGuiApplication::clipboard()->setMimeData(data);
    QCoreApplication::processEvents();
}

struct Enabled {
    bool specialSplit, fromClipboard, deleteFile, split, merge;
};

Enabled commandsOf(const MainWindow& window) {
    const auto twins = [&window](const char* first, const char* second) {
        const bool state = window.menuItem(QString::fromLatin1(first))->isEnabled();
        EXPECT_EQ(window.menuItem(QString::fromLatin1(second))->isEnabled(), state) << first << " and " << second;
        return state;
    };
    Enabled e{twins("Spezial1", "Spezial2"), twins("AusZwischenablage2", "AusZwischenablage1"),
              twins("Dateilschen1", "Dateilschen2"), twins("Splitten1", "Splitten2"),
              twins("Zusammenfhren1", "Zusammenfhren2")};
    EXPECT_EQ(window.toolButton("ToolButton1")->isEnabled(), e.split);
    EXPECT_EQ(window.toolButton("ToolButton2")->isEnabled(), e.merge);
    return e;
}

bool lampShown(const MainWindow& window, const char* name) {
    return !window.statusBar1()->findChild<QLabel*>(QString::fromLatin1(name))->isHidden();
}
} // namespace

using CommandStateUpdater = MainWindowFixture;

// The cases are run in one sequence, because some leave a command as the case before set it.
TEST_F(CommandStateUpdater, FollowsListSelectionClipboardAndBusyWithKeptStates) {
    MainWindow& window = openWindow();
    struct Step {
        int items;
        int selected;
        bool clipboardFiles;
        bool busy;
        Enabled expected;
    };
    const Step steps[] = {
        {0, 0, true, false, {false, true, false, false, false}},
        {0, 0, false, false, {false, false, false, false, false}},
        {1, 0, true, false, {true, true, false, true, false}},
        // With a selection special split and the clipboard commands keep their states.
        {1, 1, false, false, {true, true, true, true, false}},
        {2, 2, false, false, {true, true, true, false, true}},
        {2, 0, false, false, {false, false, false, false, true}},
        {2, 1, true, false, {false, false, true, true, false}},
        // Busy switches all off but delete, which keeps its state.
        {2, 1, true, true, {false, false, true, false, false}},
        {3, 0, true, true, {false, false, true, false, false}},
        {3, 0, true, false, {false, true, false, false, true}},
    };
    int index = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(index++);
        setList(step.items, step.selected);
        putFilesOnClipboard(step.clipboardFiles);
        window.setBusy(step.busy);
        const Enabled is = commandsOf(window);
        EXPECT_EQ(is.specialSplit, step.expected.specialSplit);
        EXPECT_EQ(is.fromClipboard, step.expected.fromClipboard);
        EXPECT_EQ(is.deleteFile, step.expected.deleteFile);
        EXPECT_EQ(is.split, step.expected.split);
        EXPECT_EQ(is.merge, step.expected.merge);
    }
    window.setBusy(false);
}

TEST_F(CommandStateUpdater, ListAndClipboardChangesAreFollowedWithoutAPoll) {
    MainWindow& window = openWindow();
    putFilesOnClipboard(false);
    window.fileList()->AddFileToList(file("one.bin"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.menuItem("Splitten1")->isEnabled());
    EXPECT_EQ(window.statusBar1()->panelText(MainStatusBar::FilePanel), "1 File(s) in list");
    putFilesOnClipboard(true);
    EXPECT_TRUE(window.menuItem("AusZwischenablage2")->isEnabled());
    window.listView()->selectAll();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.statusBar1()->panelText(MainStatusBar::FilePanel), "1 File(s) selected");
}

namespace {
// The parts of the frame that only depend on Busy.
void expectFrame(const MainWindow& window, bool busy) {
    SCOPED_TRACE(busy ? "busy" : "idle");
    EXPECT_EQ(lampShown(window, "Image2"), busy); // red
    EXPECT_EQ(lampShown(window, "Image3"), !busy);
    EXPECT_EQ(lampShown(window, "Image1"), !busy); // green
    EXPECT_EQ(lampShown(window, "Image4"), busy);
    EXPECT_EQ(window.toolButton("ToolButton6")->isEnabled(), busy);
    for (const char* name : {"ToolButton4", "ToolButton3", "ToolButton5"})
        EXPECT_EQ(window.toolButton(name)->isEnabled(), !busy) << name;
    for (const char* name : {"Datei1", "Bearbeiten1", "Ansicht1", "N1"})
        EXPECT_EQ(window.menu(name)->menuAction()->isEnabled(), !busy) << name;
    EXPECT_EQ(window.listView()->isEnabled(), !busy);
    const QCursor* cursor = QGuiApplication::overrideCursor();
    EXPECT_EQ(cursor != nullptr && cursor->shape() == Qt::BusyCursor, busy);
}
} // namespace

TEST_F(CommandStateUpdater, FrameLocksTheWindowWhileBusyAndRestoresItWhenIdle) {
    MainWindow& window = openWindow();
    setList(2, 0);
    expectFrame(window, false);

    window.setBusy(true);
    expectFrame(window, true);
    // While busy the operation owns the title and the texts.
    window.setWindowTitle("Brimvale Parcelon 1.4 - 42%");
    window.statusBar1()->setPanelText(MainStatusBar::FilePanel, "film.avi.003");
    window.statusBar1()->setPanelText(MainStatusBar::PercentPanel, "42%");
    window.updateCommandStates();
    EXPECT_EQ(window.windowTitle(), "Brimvale Parcelon 1.4 - 42%");
    EXPECT_EQ(window.statusBar1()->panelText(MainStatusBar::FilePanel), "film.avi.003");
    EXPECT_EQ(window.statusBar1()->panelText(MainStatusBar::PercentPanel), "42%");

    window.setBusy(false);
    expectFrame(window, false);
    EXPECT_EQ(window.windowTitle(), "Brimvale Parcelon 1.4");
    EXPECT_EQ(window.applicationTitle(), "Brimvale Parcelon 1.4");
    EXPECT_EQ(window.statusBar1()->panelText(MainStatusBar::FilePanel), "2 File(s) in list");
    EXPECT_EQ(window.statusBar1()->panelText(MainStatusBar::PercentPanel), "");
    EXPECT_EQ(window.statusBar1()->panelText(MainStatusBar::TimePanel), "");
}

TEST_F(CommandStateUpdater, OnlyStopRunsWhileBusy) {
    MainWindow& window = openWindow();
    window.show();
    window.setBusy(true);
    window.runCommand(MainCommand::Exit);
    window.runCommand(MainCommand::German);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.languageCode(), 0);

    ScriptedMessages messages;
    messages.answer(MessageAnswer::Ok);
    window.runCommand(MainCommand::Stop);
    EXPECT_FALSE(m_state.Busy);
    EXPECT_TRUE(m_state.StopRequested);
}

using StopCommand = MainWindowFixture;

// Records what the window looked like while the stop box was open.
class StopBoxWitness : public ScriptedMessages {
public:
    StopBoxWitness(const MainWindow& window, const ProgramState& state)
        : m_window(window)
        , m_state(state) {}

    MessageAnswer showMessage(const QString& text, const QString& caption, int flags) override {
        busyWhileShown = m_state.Busy;
        stopRequestedWhileShown = m_state.StopRequested;
        timerActiveWhileShown = m_window.progressDisplay().isRunning();
        progressWhileShown = m_window.progressBar()->value();
        fileTextWhileShown = m_window.statusBar1()->panelText(MainStatusBar::FilePanel);
        addEnabledWhileShown = m_window.toolButton("ToolButton4")->isEnabled();
        return ScriptedMessages::showMessage(text, caption, flags);
    }

    bool busyWhileShown = true;
    bool stopRequestedWhileShown = true;
    bool timerActiveWhileShown = true;
    int progressWhileShown = -1;
    QString fileTextWhileShown;
    bool addEnabledWhileShown = false;

private:
    const MainWindow& m_window;
    const ProgramState& m_state;
};

TEST_F(StopCommand, ClearsBusyAndShowsTheBoxBeforeTheStopIsRequested) {
    MainWindow& window = openWindow();
    window.setBusy(true);
    window.progressDisplay().start(100);
    window.progressBar()->setValue(40);
    window.statusBar1()->setPanelText(MainStatusBar::FilePanel, "film.avi.002");

    StopBoxWitness box(window, m_state);
    box.answer(MessageAnswer::Ok);
    window.stopOperation();

    EXPECT_FALSE(box.busyWhileShown);
    EXPECT_FALSE(box.stopRequestedWhileShown);
    EXPECT_FALSE(box.timerActiveWhileShown);
    EXPECT_EQ(box.progressWhileShown, 0);
    // The idle count text has taken the file name's place while the box is open.
    EXPECT_EQ(box.fileTextWhileShown, "0 File(s) in list");
    EXPECT_TRUE(box.addEnabledWhileShown);
    EXPECT_TRUE(m_state.StopRequested);
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.shown()[0].text, window.textById(27));
    EXPECT_EQ(box.shown()[0].caption, "Brimvale Parcelon");
    EXPECT_EQ(box.shown()[0].flags, MbStopOk);
}

TEST_F(StopCommand, TheWorkerEndsOnlyAfterTheBoxIsClosed) {
    MainWindow& window = openWindow();
    std::atomic<bool> boxClosed{false};
    std::atomic<bool> stopSeenAfterBox{false};
    bool finished = false;
    window.setBusy(true);
    window.operationRunner().start<int>(
        [&](OperationHost& host) {
            while (!host.stopRequested())
                QThread::yieldCurrentThread();
            stopSeenAfterBox = boxClosed.load();
            return 0;
        },
        [&](const int&) { finished = true; });

    class ClosingBox : public ScriptedMessages {
    public:
        ClosingBox(const MainWindow& window, std::atomic<bool>& closed)
            : m_window(window)
            , m_closed(closed) {}
        MessageAnswer showMessage(const QString& text, const QString& caption, int flags) override {
            runningWhileShown = m_window.operationRunner().isRunning();
            m_closed = true;
            return ScriptedMessages::showMessage(text, caption, flags);
        }
        bool runningWhileShown = false;

    private:
        const MainWindow& m_window;
        std::atomic<bool>& m_closed;
    } box(window, boxClosed);
    box.answer(MessageAnswer::Ok);
    window.stopOperation();
    window.operationRunner().waitForFinished();

    EXPECT_TRUE(box.runningWhileShown);
    EXPECT_TRUE(stopSeenAfterBox);
    EXPECT_TRUE(finished);
    // The worker took the request over, so the next operation starts clean.
    EXPECT_FALSE(m_state.StopRequested);
}

TEST_F(StopCommand, AStaleStopDoesNotEndTheNextOperation) {
    MainWindow& window = openWindow();
    ScriptedMessages box;
    box.answer(MessageAnswer::Ok);
    window.stopOperation(); // pressed just after an operation had ended
    ASSERT_TRUE(m_state.StopRequested);

    bool stopped = true;
    window.operationRunner().start<bool>([](OperationHost& host) { return host.stopRequested(); },
                                         [&](const bool& result) { stopped = result; });
    window.operationRunner().waitForFinished();
    EXPECT_FALSE(stopped);
}

using WindowLayout = MainWindowFixture;

TEST_F(WindowLayout, MinimumWidthAndTimePanelFollowTheStatusBarWidth) {
    MainWindow& window = openWindow();
    window.show();
    EXPECT_EQ(window.minimumWidth(), 510);
    window.resize(300, 300);
    EXPECT_EQ(window.width(), 510);
    EXPECT_EQ(window.height(), 300);

    for (int width : {510, 640, 1000}) {
        window.resize(width, 400);
        QCoreApplication::processEvents();
        const MainStatusBar* bar = window.statusBar1();
        ASSERT_EQ(bar->width(), width);
        EXPECT_EQ(bar->panelWidth(MainStatusBar::TimePanel), bar->width() - 509);
        // The lamps keep their distance from the right edge.
        EXPECT_EQ(bar->findChild<QLabel*>("Image2")->x(), width - 50);
        EXPECT_EQ(bar->findChild<QLabel*>("Image3")->x(), width - 50);
        EXPECT_EQ(bar->findChild<QLabel*>("Image1")->x(), width - 30);
        EXPECT_EQ(bar->findChild<QLabel*>("Image4")->x(), width - 30);
    }
    EXPECT_EQ(window.progressBar()->geometry().topLeft(), QPoint(172, 2));
}

TEST_F(WindowLayout, ExitClosesTheWindowAndReleasesTheProgramLists) {
    MainWindow& window = openWindow();
    window.show();
    m_state.PartNames = {"a.001", "a.002"};
    m_state.JoinList = {"b.001"};
    bool closingSeen = false;
    QObject::connect(&window, &MainWindow::closing, [&] { closingSeen = !m_state.PartNames.isEmpty(); });
    window.runCommand(MainCommand::Exit);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(closingSeen) << "a running operation must be ended before the lists go";
    EXPECT_TRUE(m_state.PartNames.isEmpty());
    EXPECT_TRUE(m_state.JoinList.isEmpty());
}

TEST_F(WindowLayout, ClosingDuringAnOperationEndsItBeforeTheListsAreReleased) {
    MainWindow& window = openWindow();
    window.show();
    m_state.PartNames = {"a.001"};
    QStringList seenByWorker;
    window.setBusy(true);
    window.operationRunner().start<int>(
        [&](OperationHost& host) {
            while (!host.stopRequested())
                QThread::yieldCurrentThread();
            seenByWorker = m_state.PartNames;
            return 0;
        },
        [](const int&) {});
    window.close();
    EXPECT_FALSE(window.operationRunner().isRunning());
    EXPECT_EQ(seenByWorker, QStringList{"a.001"});
    EXPECT_TRUE(m_state.PartNames.isEmpty());
}
