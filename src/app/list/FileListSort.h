#pragma once

#include "app/list/FileListItem.h"

#include <QString>

// Compares texts with only a-z folded to upper case; every other character counts by its code
// point. Negative when a goes first, 0 when equal, positive when b goes first.
int CompareText(const QString& a, const QString& b);

// The text turned so that plain UTF-16 unit order (QString's operator<) is CompareText's order:
// a sort folds each key once instead of in every comparison.
QString OrderedText(const QString& text);

// The text an item is sorted by for a sort key (a column): numbers filled with zeros to 20
// characters, dates rearranged year, month, day, hour, minute by the language's date layout.
QString SortKeyText(const FileListItem& item, int sortKey, int languageCode);
