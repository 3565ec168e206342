// Commands whose behaviour arrives with the file list, the operations and the dialogs. Each is
// reachable from its menu items and buttons already, so its enabled state can be seen and tested.
#include "app/MainWindow.h"

#include "app/FileListViews.h"

void MainWindow::addCommandLineFiles(const QStringList&) {}

void MainWindow::addFilesByDialog() {}

void MainWindow::addFilesFromClipboard() {}

void MainWindow::clearList() {}

void MainWindow::deleteSelectedFiles() {}

void MainWindow::selectAllFiles() {
    m_listView->selectAll();
}

void MainWindow::splitFile() {}

void MainWindow::joinFiles() {}

void MainWindow::specialSplit() {}

void MainWindow::showSettings() {}

void MainWindow::openWebsite() {}

void MainWindow::sendFeedback() {}

void MainWindow::showAbout() {}
