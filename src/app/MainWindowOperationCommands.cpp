// Commands whose behaviour arrives with the operations and the dialogs. Each is reachable from
// its menu items and buttons already, so its enabled state can be seen and tested.
#include "app/MainWindow.h"

void MainWindow::splitFile() {}

void MainWindow::joinFiles() {}

void MainWindow::specialSplit() {}

void MainWindow::showSettings() {}

void MainWindow::openWebsite() {}

void MainWindow::sendFeedback() {}

void MainWindow::showAbout() {}
