#pragma once

#include "TestFiles.h"
#include "app/MainWindow.h"
#include "app/list/FileListModel.h"
#include "app/list/FileListViews.h"
#include "app/list/ProgramState.h"
#include "components/core/ProgramIdentity.h"
#include "components/core/TBReg.h"

#include <QCoreApplication>
#include <QFile>
#include <QItemSelectionModel>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A main window on a fresh settings store, and a folder of small files to list.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(store().storePath());
        ASSERT_TRUE(m_folder.isValid());
    }

    static TBReg store() { return TBReg(ProgramIdentity::SettingsProgram, ProgramIdentity::SettingsCompany); }

    MainWindow& openWindow(const QStringList& commandLine = {}) {
        m_window = std::make_unique<MainWindow>(m_state, commandLine);
        return *m_window;
    }

    QString file(const QString& name, qint64 size = 1) { return makeTestFile(m_folder.path(), name, size); }

    // Lists `items` files and selects the first `selected` of them.
    void setList(int items, int selected) {
        FileListModel* list = m_window->fileList();
        if (list->itemCount() != items) {
            list->clearList();
            QStringList paths;
            for (int i = 0; i < items; ++i)
                paths.append(file(QStringLiteral("file%1.bin").arg(i)));
            list->AddFilesToList(paths);
        }
        select(selected);
    }

    void select(int firstRows) {
        QItemSelectionModel* selection = m_window->listView()->selectionModel();
        selection->clearSelection();
        for (int row = 0; row < firstRows; ++row)
            selection->select(m_window->fileList()->index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCoreApplication::processEvents();
    }

    QStringList listedNames() const {
        QStringList names;
        for (int row = 0; row < m_window->fileList()->itemCount(); ++row)
            names.append(m_window->fileList()->item(row).name);
        return names;
    }

    QTemporaryDir m_folder;
    ProgramState m_state;
    std::unique_ptr<MainWindow> m_window;
};
