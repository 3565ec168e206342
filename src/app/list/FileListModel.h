#pragma once

#include "app/list/FileListItem.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>
#include <QStringList>

class IconCache;

// The file list: one row per added file, five columns (name, folder, size, date, Kennzeichen),
// the extension's icon on the name. Sorting keeps the views' selection on the same files.
class FileListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    FileListModel(IconCache& icons, int languageCode, QObject* parent = nullptr);

    // Appends the file (made absolute) with its size, date and the next Kennzeichen number.
    // Nothing is checked: a missing file is listed with size 0 and date "0".
    void AddFileToList(const QString& path);
    // The same for many files at once, in their order, announced to the views as one insertion.
    void AddFilesToList(const QStringList& paths);

    // Removes the given rows; once the list is empty the numbering starts again at 0.
    void removeItemRows(QList<int> rows);
    // Removes every row and starts the numbering again at 0.
    void clearList();

    // Sorts by column sortKey (0 name .. 4 Kennzeichen) and moves the header arrow there.
    void SortList(int sortKey, bool ascending);

    // The date format of files added from now on and the column captions.
    void setLanguageCode(int languageCode);
    int languageCode() const { return m_languageCode; }
    // Header pictures of the sort column.
    void setSortArrows(const QIcon& ascending, const QIcon& descending);

    const FileListItem& item(int row) const { return m_items[row]; }
    int itemCount() const { return static_cast<int>(m_items.size()); }
    // The Kennzeichen the next added file gets.
    qint64 itemCounter() const { return m_itemCounter; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    FileListItem makeItem(const QString& path);

    IconCache& m_icons;
    int m_languageCode;
    QList<FileListItem> m_items;
    qint64 m_itemCounter = 0;
    int m_sortColumn = ColumnDate;
    bool m_ascending = true;
    QIcon m_ascendingArrow;
    QIcon m_descendingArrow;
};
