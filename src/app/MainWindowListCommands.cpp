// The ways files enter and leave the list: the Add dialog, a drop, the clipboard, the command
// line, delete, clear and select all.
#include "app/MainWindow.h"

#include "app/list/AddFilesDialog.h"
#include "app/list/FileListModel.h"
#include "app/list/FileListViews.h"
#include "app/list/ListQuestions.h"
#include "app/list/LocalFiles.h"
#include "app/list/OpenDialogFilter.h"
#include "components/MessageService.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {
const QString LastSourceDirValue = QStringLiteral("LastSourceDir");
constexpr int AddDialogTitleText = 11;
constexpr int ClearQuestionText = 28;

QString folderOf(const QString& path) {
    return path.left(path.lastIndexOf(u'/') + 1);
}
} // namespace

void MainWindow::setFileChooser(FileChooser chooser) {
    m_chooseFiles = std::move(chooser);
}

void MainWindow::addCommandLineFiles(const QStringList& files) {
    // Sorted by the first show, once the stored sort order is known.
    m_files->AddFilesToList(ExistingFiles(CommandLinePaths(files)));
}

void MainWindow::addFilesByDialog() {
    const QString title = textById(AddDialogTitleText);
    const QString folder = m_reg.Pop(LastSourceDirValue);
    const QString filter = FileDialogFilter(m_openDialogFilter);
    const QStringList chosen =
        m_chooseFiles ? m_chooseFiles(title, folder, filter) : chooseFilesToAdd(this, title, folder, filter);
    if (chosen.isEmpty())
        return;
    m_files->AddFilesToList(chosen);
    m_reg.Push(LastSourceDirValue, folderOf(chosen.first()));
    sortList();
}

void MainWindow::addDroppedFiles(const QStringList& paths) {
    m_listView->setDropsAccepted(false);
    m_files->AddFilesToList(ExistingFiles(paths));
    m_listView->setDropsAccepted(true);
    sortList();
}

void MainWindow::addFilesFromClipboard() {
    // Appended where they are; the next sort puts them in order.
    if (const QMimeData* data = QGuiApplication::clipboard()->mimeData())
        m_files->AddFilesToList(ExistingFiles(LocalPaths(*data)));
}

void MainWindow::deleteSelectedFiles() {
    const QList<int> rows = m_listView->selectedRows();
    if (rows.isEmpty())
        return;
    const QString question = DeleteQuestionText(static_cast<int>(rows.size()), m_languageCode);
    if (MessageService::current().showMessage(question, m_messageTitle, MbQuestionYesNo) != MessageAnswer::Yes)
        return;
    m_files->removeItemRows(rows);
}

void MainWindow::clearList() {
    // Asked even when the list is empty.
    if (MessageService::current().showMessage(textById(ClearQuestionText), m_messageTitle, MbQuestionYesNo) !=
        MessageAnswer::Yes)
        return;
    m_files->clearList();
}

void MainWindow::selectAllFiles() {
    m_listView->selectAll();
}
