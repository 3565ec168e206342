#pragma once

#include <QString>

// One file of the list, with its facts as texts taken once when it was added.
struct FileListItem {
    QString name;        // file name
    QString folder;      // ends with "/"
    QString sizeText;    // bytes, decimal, no separators
    QString dateText;    // last write in the list's date format, "0" when unknown
    QString kennzeichen; // insertion number, decimal
    int iconIndex = -1;  // into the icon cache; -1 for none

    QString path() const { return folder + name; }
};

// The columns of the list, which are also the sort keys.
enum FileListColumn : int {
    ColumnName = 0,
    ColumnFolder = 1,
    ColumnSize = 2,
    ColumnDate = 3,
    ColumnKennzeichen = 4,
    FileListColumnCount = 5,
};
