#include "app/list/FileListSort.h"

#include "components/core/MainTexts.h"

#include <algorithm>

namespace {

// UTF-16 units put in code point order: units from U+E000 up move below the surrogates.
int orderedUnit(char16_t unit) {
    if (unit >= u'a' && unit <= u'z')
        return unit - (u'a' - u'A');
    if (unit >= 0xE000)
        return unit - 0x800;
    if (unit >= 0xD800)
        return unit + 0x2000;
    return unit;
}

QString zeroFilled(const QString& text) {
    constexpr qsizetype Width = 20;
    return text.size() >= Width ? text : QString(Width - text.size(), u'0') + text;
}

// Positions count from 1; a part beyond the end of a short text is empty.
QString dateKey(const QString& date, int languageCode) {
    const auto at = [&](int position) { return date.mid(position - 1, 2); };
    const bool german = languageCode == LanguageGerman;
    return at(7) + at(german ? 4 : 1) + at(german ? 1 : 4) + at(10) + at(13);
}

} // namespace

int CompareText(const QString& a, const QString& b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const int difference = orderedUnit(a[i].unicode()) - orderedUnit(b[i].unicode());
        if (difference != 0)
            return difference;
    }
    return static_cast<int>(a.size() - b.size());
}

QString OrderedText(const QString& text) {
    QString ordered(text.size(), Qt::Uninitialized);
    std::transform(text.cbegin(), text.cend(), ordered.begin(),
                   [](QChar unit) { return QChar(static_cast<char16_t>(orderedUnit(unit.unicode()))); });
    return ordered;
}

QString SortKeyText(const FileListItem& item, int sortKey, int languageCode) {
    switch (sortKey) {
    case ColumnFolder:
        return item.folder;
    case ColumnSize:
        return zeroFilled(item.sizeText);
    case ColumnDate:
        return dateKey(item.dateText, languageCode);
    case ColumnKennzeichen:
        return zeroFilled(item.kennzeichen);
    default:
        return item.name;
    }
}
