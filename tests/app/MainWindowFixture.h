#pragma once

#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "components/core/ProgramIdentity.h"
#include "components/core/TBReg.h"

#include "app/FileListViews.h"
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QFile>
#include <QItemSelectionModel>
#include <QStandardItemModel>
#include <gtest/gtest.h>
#include <memory>

// A main window on a fresh settings store, with a plain model standing in for the file list.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override { QFile::remove(store().storePath()); }

    static TBReg store() { return TBReg(ProgramIdentity::SettingsProgram, ProgramIdentity::SettingsCompany); }

    MainWindow& openWindow() {
        m_window = std::make_unique<MainWindow>(m_state);
        m_window->setListModel(&m_list);
        return *m_window;
    }

    // Gives the list `items` rows and selects the first `selected` of them.
    void setList(int items, int selected) {
        m_list.setRowCount(items);
        m_list.setColumnCount(5);
        QItemSelectionModel* selection = m_window->listView()->selectionModel();
        selection->clearSelection();
        for (int row = 0; row < selected; ++row)
            selection->select(m_list.index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCoreApplication::processEvents();
    }

    ProgramState m_state;
    QStandardItemModel m_list{0, 5};
    std::unique_ptr<MainWindow> m_window;
};
