#pragma once

#include "app/frame/CommandStates.h"
#include "app/frame/MainCommand.h"
#include "app/operations/OperationWindow.h"
#include "components/core/TBReg.h"
#include "dialogs/model/SettingsDisplay.h"
#include "engine/JoinRecognition.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class FileListModel;
class FileListViews;
class ProgressDisplay;
class WindowProgressSink;
class MainMenus;
class OperationCommands;
struct ProgramDialogs;
class OperationRunner;
class WindowQuestions;
class MainStatusBar;
class MainToolBar;
struct ProgramState;
class QAction;
class QMenu;
class QProgressBar;
class QToolButton;

// The program's main window "Form1": toolbar band, menus, file list, status bar, the language
// of the whole user interface and the enabled state of every command.
class MainWindow : public QMainWindow, public OperationWindow {
    Q_OBJECT
public:
    // Runs the creation steps: language, names, caption, command-line files, captions.
    explicit MainWindow(ProgramState& state, const QStringList& commandLineFiles = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    ProgramState& state() const override { return m_state; }
    // "BReg1": the settings store every window uses.
    const TBReg& reg() const override { return m_reg; }

    // 1 = German, 0 = English; every window reads it.
    int languageCode() const override { return m_languageCode; }
    // The main window's text of the given id in the current language.
    QString textById(int id) const;
    const QString& programName() const { return m_programName; }
    const QString& programVersion() const { return m_programVersion; }
    const QString& messageTitle() const { return m_messageTitle; }
    // Folder of the running program file, ending with "/".
    const QString& programFolder() const { return m_programFolder; }
    // The text a task bar shows for the program; the window's icon text.
    QString applicationTitle() const;
    void setApplicationTitle(const QString& title);
    // The filter text of the Add dialog in the current language ("All Files (*.*)|*.*").
    const QString& openDialogFilter() const { return m_openDialogFilter; }

    MainStatusBar* statusBar1() const { return m_statusBar; }
    QProgressBar* progressBar() const;
    // Progress bar, percentage, remaining time, title and caption while an operation copies
    // ("Timer1"); started with the operation's total, finished when it ends.
    ProgressDisplay& progressDisplay() const override { return *m_progress; }
    // "ListView1" in its four styles, and the files it lists.
    FileListViews* listView() const { return m_listView; }
    FileListModel* fileList() const { return m_files; }
    // Sorts the list by SortKey in the direction ticked in the menus, and moves the header arrow.
    void sortList();

    // Asks for the files to add: (title, initial folder, file dialog filter) -> chosen paths,
    // empty when cancelled. Tests put their own in place of the file dialog.
    using FileChooser = std::function<QStringList(const QString&, const QString&, const QString&)>;
    void setFileChooser(FileChooser chooser);

    QAction* menuItem(const QString& objectName) const;
    QMenu* menu(const QString& objectName) const;
    QToolButton* toolButton(const QString& objectName) const;

    // Sets Busy and brings the window's commands, lamps and cursor in line at once. Called on the
    // window's thread when an operation starts copying and when it has ended.
    void setBusy(bool busy) override;
    // Recomputes every command state, the lamps and the idle texts from Busy, the list and the
    // clipboard. Runs whenever one of them changes.
    void updateCommandStates();

    // Runs split, special split and join on its worker thread; one at a time.
    OperationRunner& operationRunner() const override { return *m_runner; }

    // Creates the five dialogs, after the window itself; the commands that show them and the
    // operations need them. Until then those commands do nothing.
    void createDialogs();
    ProgramDialogs* dialogs() const { return m_dialogs.get(); }
    // The listed files in list order, with their sizes and whether they are selected.
    std::vector<JoinCandidate> listCandidates() const override;
    // The size the settings describe: the only file's, or the only selected file's.
    OriginalSize listOriginalSize() const override;
    // The file an operation is on, in status panel 0.
    void showOperationFile(const QString& text) override;
    // A result worth keeping in sight (a verified join): status panel 0 shows it instead of the
    // idle text until the next action (another operation, a change of the list or selection).
    void showResultNotice(const QString& text) override;

    // Runs the command of a menu item or button.
    void runCommand(MainCommand command);

public slots:
    // Ends an operation early: display reset, Busy cleared, the user told, then StopRequested set.
    void stopOperation() override;
    void exitProgram();
    void switchToGerman();
    void switchToEnglish();

    // The file list's commands.
    void addFilesByDialog();
    void addFilesFromClipboard();
    void clearList();
    void deleteSelectedFiles();
    void selectAllFiles();

    // The operations, the dialogs and the web links.
    void splitFile();
    void joinFiles();
    void specialSplit();
    void showSettings();
    void openWebsite();
    void sendFeedback();
    void showAbout();

    // View and sort commands: ticks in both menus, the stored value, then the list follows.
    void setViewStyle(int style);
    void setSortKey(int key);
    void setSortAscending(bool ascending);
    // A click on a column header: the sort column flips its direction, another becomes the key.
    void columnClicked(int column);
    // Files dropped on the list: the existing files are added and the list sorted.
    void addDroppedFiles(const QStringList& paths);

signals:
    // Emitted when the window closes, before a running operation is abandoned and the
    // program-wide lists are released.
    void closing();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWidgets();
    void connectCommands();
    void connectUpdateTriggers();
    void scheduleCommandStateUpdate();
    void firstShow();

    void readLanguage();
    void switchLanguage(int languageCode);
    void applyCaptions();
    void setLanguageTicks();

    void restoreSortOrder();
    void setDirectionTicks(bool ascending);
    void addCommandLineFiles(const QStringList& files);

    CommandStates currentCommandStates() const;
    void applyCommandStates(const CommandStates& states);
    void applyFrame(bool busy, const CommandInputs& inputs);
    int selectedCount() const;

    ProgramState& m_state;
    TBReg m_reg;
    int m_languageCode = 0;
    QString m_programName;
    QString m_programVersion;
    QString m_messageTitle;
    QString m_programFolder;
    QString m_openDialogFilter;

    MainToolBar* m_toolBar = nullptr;
    std::unique_ptr<MainMenus> m_menus;
    FileListViews* m_listView = nullptr;
    MainStatusBar* m_statusBar = nullptr;
    struct ResultNotice {
        QString text;
        int itemCount = 0;
        int selectedCount = 0;
    };
    ResultNotice m_resultNotice;
    FileListModel* m_files = nullptr;
    std::unique_ptr<WindowProgressSink> m_progressSink;
    ProgressDisplay* m_progress = nullptr;
    FileChooser m_chooseFiles;
    std::unique_ptr<WindowQuestions> m_questions;
    OperationRunner* m_runner = nullptr;
    std::unique_ptr<ProgramDialogs> m_dialogs;
    std::unique_ptr<OperationCommands> m_commands;

    bool m_clipboardHoldsFiles = false;
    bool m_updateScheduled = false;
    bool m_busyCursorShown = false;
    bool m_shownBefore = false;
};
