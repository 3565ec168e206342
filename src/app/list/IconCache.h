#pragma once

#include <QHash>
#include <QIcon>
#include <QList>
#include <QString>
#include <functional>

// The icons of the file list, looked up once per extension and kept for the whole run. Each
// index holds the extension's icon at the small (16 x 16) and the large (32 x 32) size.
class IconCache {
public:
    // Answers the icon for a file name; a null icon when there is none.
    using Lookup = std::function<QIcon(const QString& fileName)>;

    // Without a lookup the desktop's icon for the file type is used.
    explicit IconCache(Lookup lookup = {});

    // The lookup used when none is given: the desktop's icon for the file's type.
    static QIcon desktopIcon(const QString& fileName);

    // Index of the icon for the path's extension (its text from the last "."), -1 for none.
    // Extensions differing only in case share one entry.
    int ExtensionIconIndex(const QString& path);

    // Null for -1 or an index not handed out.
    QIcon icon(int index) const;
    int size() const { return static_cast<int>(m_icons.size()); }

    static constexpr int SmallSize = 16;
    static constexpr int LargeSize = 32;

private:
    Lookup m_lookup;
    QHash<QString, int> m_indexByExtension; // upper-cased extension -> index or -1
    QList<QIcon> m_icons;
};
