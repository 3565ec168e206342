#include "app/MainWindow.h"

#include "app/ProgramDialogs.h"
#include "app/frame/MainMenus.h"
#include "app/frame/MainPictures.h"
#include "app/frame/MainStatusBar.h"
#include "app/frame/MainToolBar.h"
#include "app/list/FileListModel.h"
#include "app/list/FileListViews.h"
#include "app/list/ProgramState.h"
#include "app/operations/OperationCommands.h"
#include "app/operations/OperationRunner.h"
#include "app/operations/ProgressDisplay.h"
#include "app/operations/WindowProgressSink.h"
#include "app/operations/WindowQuestions.h"
#include "components/MessageService.h"
#include "components/core/MainTexts.h"
#include "components/core/ProgramIdentity.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int MinimumWidth = 510;
const QSize DesignSize(510, 388);

constexpr int ProgramNameText = 16;
constexpr int ProgramVersionText = 17;
constexpr int MessageTitleText = 18;
constexpr int StopText = 27;
} // namespace

MainWindow::MainWindow(ProgramState& state, const QStringList& commandLineFiles, QWidget* parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_reg(ProgramIdentity::SettingsProgram, ProgramIdentity::SettingsCompany) {
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(MainPictures::programIcon());
    buildWidgets();
    connectCommands();

    readLanguage();
    m_programName = textById(ProgramNameText);
    m_programVersion = textById(ProgramVersionText);
    m_messageTitle = textById(MessageTitleText);
    setWindowTitle(m_programName + m_programVersion);
    m_programFolder = TBReg::AppDir();
    addCommandLineFiles(commandLineFiles);
    applyCaptions();

    connectUpdateTriggers();
    updateCommandStates();
}

MainWindow::~MainWindow() {
    // The worker may still report to the status bar and the questions; both go with this window.
    m_runner->abandon();
    if (m_busyCursorShown)
        QGuiApplication::restoreOverrideCursor();
}

void MainWindow::buildWidgets() {
    setMinimumWidth(MinimumWidth);
    resize(DesignSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    m_menus = std::make_unique<MainMenus>(this, menuBar());
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolBar = new MainToolBar(central);
    layout->addWidget(m_toolBar);

    m_listView = new FileListViews(central);
    layout->addWidget(m_listView, 1);
    setCentralWidget(central);

    m_files = new FileListModel(m_state.Icons, m_languageCode, this);
    m_files->setSortArrows(MainPictures::sortArrow(true), MainPictures::sortArrow(false));
    m_listView->setModel(m_files);

    m_statusBar = new MainStatusBar(this);
    setStatusBar(m_statusBar);

    m_progressSink = std::make_unique<WindowProgressSink>(*this, *m_statusBar);
    m_progress = new ProgressDisplay(m_state.ByteCounter, *m_progressSink, {}, this);
    m_progress->setObjectName(QStringLiteral("Timer1"));

    m_questions = std::make_unique<WindowQuestions>([this] { return m_languageCode; },
                                                    [this](const QString& text) {
                                                        // A file the worker reaches after Stop has cleared Busy would
                                                        // stay over the idle text.
                                                        if (m_state.Busy)
                                                            m_statusBar->setPanelText(MainStatusBar::FilePanel, text);
                                                    });
    m_runner = new OperationRunner(m_state.ByteCounter, m_state.StopRequested, *m_questions, this);
}

void MainWindow::connectCommands() {
    for (const auto& [action, command] : m_menus->commandItems())
        connect(action, &QAction::triggered, this, [this, command = command] { runCommand(command); });
    for (const auto& [button, command] : m_toolBar->commandButtons())
        connect(button, &QToolButton::clicked, this, [this, command = command] { runCommand(command); });
    connect(m_listView, &FileListViews::contextMenuRequested, this,
            [this](const QPoint& position) { m_menus->popupMenu()->popup(position); });
    connect(m_listView, &FileListViews::columnClicked, this, &MainWindow::columnClicked);
    connect(m_listView, &FileListViews::filesDropped, this, &MainWindow::addDroppedFiles);
}

void MainWindow::runCommand(MainCommand command) {
    // While an operation copies only Stop may run; shortcuts of items in a disabled menu still
    // reach here.
    if (m_state.Busy && command != MainCommand::Stop)
        return;
    switch (command) {
    case MainCommand::None:
        return;
    case MainCommand::Split:
        return splitFile();
    case MainCommand::Merge:
        return joinFiles();
    case MainCommand::SpecialSplit:
        return specialSplit();
    case MainCommand::Settings:
        return showSettings();
    case MainCommand::Exit:
        return exitProgram();
    case MainCommand::Stop:
        return stopOperation();
    case MainCommand::AddFile:
        return addFilesByDialog();
    case MainCommand::FromClipboard:
        return addFilesFromClipboard();
    case MainCommand::ClearList:
        return clearList();
    case MainCommand::DeleteFile:
        return deleteSelectedFiles();
    case MainCommand::SelectAll:
        return selectAllFiles();
    case MainCommand::ViewDetails:
        return setViewStyle(3);
    case MainCommand::ViewList:
        return setViewStyle(2);
    case MainCommand::ViewSmallIcons:
        return setViewStyle(1);
    case MainCommand::ViewLargeIcons:
        return setViewStyle(0);
    case MainCommand::SortByName:
        return setSortKey(0);
    case MainCommand::SortByFolder:
        return setSortKey(1);
    case MainCommand::SortBySize:
        return setSortKey(2);
    case MainCommand::SortByDate:
        return setSortKey(3);
    case MainCommand::SortByFlag:
        return setSortKey(4);
    case MainCommand::SortAscending:
        return setSortAscending(true);
    case MainCommand::SortDescending:
        return setSortAscending(false);
    case MainCommand::German:
        return switchToGerman();
    case MainCommand::English:
        return switchToEnglish();
    case MainCommand::Website:
        return openWebsite();
    case MainCommand::Feedback:
        return sendFeedback();
    case MainCommand::About:
        return showAbout();
    }
}

QString MainWindow::textById(int id) const {
    return TextById(id, m_languageCode);
}

QString MainWindow::applicationTitle() const {
    return windowIconText();
}

void MainWindow::setApplicationTitle(const QString& title) {
    setWindowIconText(title);
}

QProgressBar* MainWindow::progressBar() const {
    return m_statusBar->progressBar();
}

QAction* MainWindow::menuItem(const QString& objectName) const {
    return m_menus->action(objectName);
}

QMenu* MainWindow::menu(const QString& objectName) const {
    return m_menus->menu(objectName);
}

QToolButton* MainWindow::toolButton(const QString& objectName) const {
    return m_toolBar->button(objectName);
}

void MainWindow::stopOperation() {
    // The order matters: Busy is cleared before the box, so the window is usable while it is
    // open, and the operation learns of the stop only once the user has closed it. Until then
    // the worker waits at its next chunk boundary.
    m_runner->hold();
    m_progress->finish();
    m_statusBar->setPanelText(MainStatusBar::FilePanel, QString());
    setBusy(false);
    MessageService::current().showMessage(textById(StopText), m_messageTitle, MbStopOk);
    m_state.StopRequested = true;
    m_runner->release();
}

void MainWindow::exitProgram() {
    close();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shownBefore) {
        m_shownBefore = true;
        firstShow();
    }
}

void MainWindow::firstShow() {
    restoreSortOrder();
    // The stored split settings and what they give for the list of the moment.
    if (m_dialogs) {
        m_dialogs->settings.setLanguageCode(m_languageCode);
        m_dialogs->settings.setOriginalSize(listOriginalSize());
        m_dialogs->settings.LoadSettings();
        m_dialogs->settings.Timer1Timer();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    emit closing();
    // A running operation ends (its files closed and kept) before the lists it uses go.
    m_runner->abandon();
    m_state.releaseLists();
    event->accept();
}
