// The command-state updater: every command's enabled state, the lamps, the cursor and the idle
// texts follow Busy, the list, its selection and the clipboard.
#include "app/MainWindow.h"

#include "app/frame/MainStatusBar.h"
#include "app/list/FileListModel.h"
#include "app/list/FileListViews.h"
#include "app/list/LocalFiles.h"
#include "app/list/ProgramState.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QToolButton>
#include <initializer_list>

namespace {
const QStringList TopMenus{QStringLiteral("Datei1"), QStringLiteral("Bearbeiten1"), QStringLiteral("Ansicht1"),
                           QStringLiteral("N1")};
} // namespace

void MainWindow::setBusy(bool busy) {
    m_state.Busy = busy;
    if (busy)
        m_resultNotice = {};
    updateCommandStates();
}

void MainWindow::showResultNotice(const QString& text) {
    m_resultNotice = {text, m_files->itemCount(), selectedCount()};
    updateCommandStates();
}

namespace {
bool holdsFileList(const QClipboard* clipboard) {
    const QMimeData* data = clipboard->mimeData();
    return data && !LocalPaths(*data).isEmpty();
}
} // namespace

void MainWindow::connectUpdateTriggers() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    // Asking the clipboard can wait on another program, so it is asked only when it changes.
    m_clipboardHoldsFiles = holdsFileList(clipboard);
    connect(clipboard, &QClipboard::dataChanged, this, [this, clipboard] {
        m_clipboardHoldsFiles = holdsFileList(clipboard);
        scheduleCommandStateUpdate();
    });
    connect(m_files, &QAbstractItemModel::rowsInserted, this, &MainWindow::scheduleCommandStateUpdate);
    connect(m_files, &QAbstractItemModel::rowsRemoved, this, &MainWindow::scheduleCommandStateUpdate);
    connect(m_files, &QAbstractItemModel::modelReset, this, &MainWindow::scheduleCommandStateUpdate);
    connect(m_listView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::scheduleCommandStateUpdate);
}

void MainWindow::scheduleCommandStateUpdate() {
    // Many changes in a row (a thousand files added) cost one update.
    if (m_updateScheduled)
        return;
    m_updateScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_updateScheduled = false;
        updateCommandStates();
    });
}

int MainWindow::selectedCount() const {
    const QItemSelectionModel* selection = m_listView->selectionModel();
    return selection ? static_cast<int>(selection->selectedRows().size()) : 0;
}

void MainWindow::updateCommandStates() {
    CommandInputs inputs;
    inputs.busy = m_state.Busy;
    inputs.itemCount = m_files->itemCount();
    inputs.selectedCount = selectedCount();
    inputs.clipboardHoldsFiles = m_clipboardHoldsFiles;
    applyCommandStates(NextCommandStates(currentCommandStates(), inputs));
    applyFrame(inputs.busy, inputs);
}

CommandStates MainWindow::currentCommandStates() const {
    // Twins are always set together, so the first of each group tells the group's state.
    CommandStates states;
    states.specialSplit = menuItem(QStringLiteral("Spezial1"))->isEnabled();
    states.fromClipboard = menuItem(QStringLiteral("AusZwischenablage2"))->isEnabled();
    states.deleteFile = menuItem(QStringLiteral("Dateilschen1"))->isEnabled();
    states.split = menuItem(QStringLiteral("Splitten1"))->isEnabled();
    states.merge = menuItem(QStringLiteral("Zusammenfhren1"))->isEnabled();
    return states;
}

void MainWindow::applyCommandStates(const CommandStates& states) {
    const auto enable = [this](std::initializer_list<const char*> names, bool enabled) {
        for (const char* name : names)
            menuItem(QString::fromLatin1(name))->setEnabled(enabled);
    };
    enable({"Spezial1", "Spezial2"}, states.specialSplit);
    enable({"AusZwischenablage1", "AusZwischenablage2"}, states.fromClipboard);
    enable({"Dateilschen1", "Dateilschen2"}, states.deleteFile);
    enable({"Splitten1", "Splitten2"}, states.split);
    enable({"Zusammenfhren1", "Zusammenfhren2"}, states.merge);
    toolButton(QStringLiteral("ToolButton1"))->setEnabled(states.split);
    toolButton(QStringLiteral("ToolButton2"))->setEnabled(states.merge);
}

void MainWindow::applyFrame(bool busy, const CommandInputs& inputs) {
    m_statusBar->showLamps(busy);
    toolButton(QStringLiteral("ToolButton6"))->setEnabled(busy);
    for (const char* name : {"ToolButton4", "ToolButton3", "ToolButton5"})
        toolButton(QString::fromLatin1(name))->setEnabled(!busy);
    m_listView->setEnabled(!busy);
    for (const QString& name : TopMenus)
        menu(name)->menuAction()->setEnabled(!busy);

    if (busy != m_busyCursorShown) {
        if (busy)
            QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        else
            QGuiApplication::restoreOverrideCursor();
        m_busyCursorShown = busy;
    }
    if (busy)
        return; // the running operation writes the title and the texts
    const QString title = m_programName + m_programVersion;
    setApplicationTitle(title);
    setWindowTitle(title);
    if (m_resultNotice.itemCount != inputs.itemCount || m_resultNotice.selectedCount != inputs.selectedCount)
        m_resultNotice = {};
    m_statusBar->setPanelText(MainStatusBar::FilePanel,
                              m_resultNotice.text.isEmpty()
                                  ? IdleCountText(inputs.itemCount, inputs.selectedCount, m_languageCode)
                                  : m_resultNotice.text);
    m_statusBar->setPanelText(MainStatusBar::PercentPanel, QString());
    m_statusBar->setPanelText(MainStatusBar::TimePanel, QString());
}
