#include "app/list/FileListModel.h"

#include "app/frame/MainCaptions.h"
#include "app/list/FileFacts.h"
#include "app/list/FileListSort.h"
#include "app/list/IconCache.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <numeric>

FileListModel::FileListModel(IconCache& icons, int languageCode, QObject* parent)
    : QAbstractTableModel(parent)
    , m_icons(icons)
    , m_languageCode(languageCode) {}

FileListItem FileListModel::makeItem(const QString& path) {
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const qsizetype slash = absolute.lastIndexOf(u'/');
    FileListItem item;
    item.iconIndex = m_icons.ExtensionIconIndex(absolute);
    item.name = absolute.mid(slash + 1);
    item.folder = absolute.left(slash + 1);
    item.sizeText = QString::number(FileSizeOf(absolute));
    item.dateText = FileDateText(absolute, m_languageCode);
    item.kennzeichen = QString::number(m_itemCounter++);
    return item;
}

void FileListModel::AddFileToList(const QString& path) {
    AddFilesToList({path});
}

void FileListModel::AddFilesToList(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    QList<FileListItem> items;
    items.reserve(paths.size());
    for (const QString& path : paths)
        items.append(makeItem(path));
    beginInsertRows({}, itemCount(), itemCount() + static_cast<int>(items.size()) - 1);
    m_items.append(std::move(items));
    endInsertRows();
}

void FileListModel::removeItemRows(QList<int> rows) {
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // From the bottom up, one call per run of neighbouring rows.
    for (qsizetype i = 0; i < rows.size();) {
        const int last = rows[i];
        if (last < 0 || last >= itemCount()) {
            ++i;
            continue;
        }
        int first = last;
        while (++i < rows.size() && rows[i] == first - 1 && rows[i] >= 0)
            first = rows[i];
        beginRemoveRows({}, first, last);
        m_items.remove(first, last - first + 1);
        endRemoveRows();
    }
    if (m_items.isEmpty())
        m_itemCounter = 0;
}

void FileListModel::clearList() {
    beginResetModel();
    m_items.clear();
    m_itemCounter = 0;
    endResetModel();
}

void FileListModel::SortList(int sortKey, bool ascending) {
    // Keys are made and folded once per item, not once per comparison.
    QList<QString> keys;
    keys.reserve(m_items.size());
    for (const FileListItem& item : m_items)
        keys.append(OrderedText(SortKeyText(item, sortKey, m_languageCode)));
    QList<int> order(m_items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return ascending ? keys[a] < keys[b] : keys[b] < keys[a]; });

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QList<FileListItem> sorted;
    sorted.reserve(m_items.size());
    QList<int> newRowOf(m_items.size());
    for (int newRow = 0; newRow < order.size(); ++newRow) {
        sorted.append(std::move(m_items[order[newRow]]));
        newRowOf[order[newRow]] = newRow;
    }
    m_items = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.append(this->index(newRowOf[index.row()], index.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);

    const int previousColumn = m_sortColumn;
    m_sortColumn = sortKey;
    m_ascending = ascending;
    emit headerDataChanged(Qt::Horizontal, std::min(previousColumn, sortKey), std::max(previousColumn, sortKey));
}

void FileListModel::setLanguageCode(int languageCode) {
    m_languageCode = languageCode;
    emit headerDataChanged(Qt::Horizontal, 0, FileListColumnCount - 1);
}

void FileListModel::setSortArrows(const QIcon& ascending, const QIcon& descending) {
    m_ascendingArrow = ascending;
    m_descendingArrow = descending;
    emit headerDataChanged(Qt::Horizontal, m_sortColumn, m_sortColumn);
}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : itemCount();
}

int FileListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FileListColumnCount;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const FileListItem& item = m_items[index.row()];
    if (role == Qt::DecorationRole && index.column() == ColumnName)
        return m_icons.icon(item.iconIndex);
    if (role == Qt::ToolTipRole && index.column() == ColumnName)
        return item.path();
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case ColumnName:
        return item.name;
    case ColumnFolder:
        return item.folder;
    case ColumnSize:
        return item.sizeText;
    case ColumnDate:
        return item.dateText;
    case ColumnKennzeichen:
        return item.kennzeichen;
    default:
        return {};
    }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= FileListColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return MainCaptionText(ListColumnCaptionName(section), m_languageCode);
    if (role == Qt::DecorationRole && section == m_sortColumn)
        return m_ascending ? m_ascendingArrow : m_descendingArrow;
    return {};
}
