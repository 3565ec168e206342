// View style and sort order: the commands' ticks in both menus, the stored values, and restoring
// them when the window is first shown.
#include "app/MainWindow.h"

#include "app/list/FileListModel.h"
#include "app/list/FileListViews.h"
#include "app/list/ProgramState.h"

#include <QAction>
#include <array>

namespace {
const QString ViewValue = QStringLiteral("View");
const QString SortTypeValue = QStringLiteral("SortType");
const QString SearchModeValue = QStringLiteral("SearchMode");

// Indexed by SortKey: 0 name, 1 folder, 2 size, 3 date, 4 Kennzeichen.
const std::array<QString, 5> SortKeyItems{QStringLiteral("NachName"), QStringLiteral("NachVerzeichnis"),
                                          QStringLiteral("NachGre"), QStringLiteral("NachDatum"),
                                          QStringLiteral("NachKennzeichen")};
// The stored group lists the keys as Kennzeichen, name, folder, size, date.
constexpr std::array<int, 5> SortKeyOfPosition{4, 0, 1, 2, 3};
// Indexed by the stored view number: 0 large icons, 1 small icons, 2 list, 3 report.
const std::array<QString, 4> ViewItems{QStringLiteral("GroeSymbole"), QStringLiteral("KleineSymbole"),
                                       QStringLiteral("Liste"), QStringLiteral("Details")};

bool isSortKey(int key) {
    return key >= 0 && key < static_cast<int>(SortKeyItems.size());
}
} // namespace

void MainWindow::setViewStyle(int style) {
    if (style < 0 || style >= static_cast<int>(ViewItems.size()))
        return;
    for (const char* twin : {"1", "2"})
        menuItem(ViewItems[static_cast<std::size_t>(style)] + QLatin1String(twin))->setChecked(true);
    m_reg.Push(ViewValue, QString::number(style));
    m_listView->setStyle(static_cast<FileListViews::Style>(style));
}

void MainWindow::setSortKey(int key) {
    if (!isSortKey(key))
        return;
    m_state.SortKey = key;
    for (const char* twin : {"1", "2"})
        menuItem(SortKeyItems[static_cast<std::size_t>(key)] + QLatin1String(twin))->setChecked(true);
    const auto ticked = [this](int k) {
        return menuItem(SortKeyItems[static_cast<std::size_t>(k)] + QLatin1String("1"))->isChecked();
    };
    m_reg.PushBool(SortTypeValue, {ticked(4), ticked(0), ticked(1), ticked(2), ticked(3)});
    sortList();
}

void MainWindow::setDirectionTicks(bool ascending) {
    for (const char* twin : {"1", "2"}) {
        menuItem(QStringLiteral("Aufsteigend") + QLatin1String(twin))->setChecked(ascending);
        menuItem(QStringLiteral("Absteigend") + QLatin1String(twin))->setChecked(!ascending);
    }
}

void MainWindow::setSortAscending(bool ascending) {
    setDirectionTicks(ascending);
    m_reg.PushBool(SearchModeValue, {ascending, !ascending});
    sortList();
}

void MainWindow::columnClicked(int column) {
    if (column != m_state.SortKey) {
        setSortKey(column);
        return;
    }
    // Flipping by a click is not stored; the menus' direction stays what it was.
    setDirectionTicks(!menuItem(QStringLiteral("Aufsteigend1"))->isChecked());
    sortList();
}

void MainWindow::restoreSortOrder() {
    const QString view = m_reg.Pop(ViewValue);
    if (TBReg::IsInt(view)) {
        bool converts = false;
        const int style = view.toInt(&converts);
        if (converts)
            setViewStyle(style);
    }

    setDirectionTicks(m_reg.PopGroupPosition(SearchModeValue, 2, 1) == 1);

    const int position = m_reg.PopGroupPosition(SortTypeValue, 5, 5);
    m_state.SortKey = SortKeyOfPosition[static_cast<std::size_t>(position - 1)];
    for (const char* twin : {"1", "2"})
        menuItem(SortKeyItems[static_cast<std::size_t>(m_state.SortKey)] + QLatin1String(twin))->setChecked(true);
    sortList();
}

void MainWindow::sortList() {
    m_files->SortList(m_state.SortKey, menuItem(QStringLiteral("Aufsteigend1"))->isChecked());
}
