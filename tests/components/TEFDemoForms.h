#pragma once

#include <QDialog>
#include <QIcon>
#include <QMainWindow>
#include <memory>

// Small stand-ins for the program's windows, to look at and test the decoration on: a main
// window with menus, a list and a status bar laid out by QMainWindow, and a fixed-size dialog
// whose children are placed without a layout.
enum class DemoLanguage { German, English };

QIcon demoProgramIcon();
std::unique_ptr<QMainWindow> makeDemoMainWindow(DemoLanguage language);
std::unique_ptr<QDialog> makeDemoDialog(DemoLanguage language);
