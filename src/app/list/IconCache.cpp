#include "app/list/IconCache.h"

#include "engine/PartNaming.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>

namespace {

// Outside a desktop session only the bare base theme is named and every file would look alike;
// then the first common theme that is installed is used.
void useACommonThemeWhenNoneIsNamed() {
    const QString named = QIcon::themeName();
    if (!named.isEmpty() && named != u"hicolor")
        return;
    for (const char* theme : {"Adwaita", "breeze", "oxygen", "Tango", "gnome"}) {
        for (const QString& folder : QIcon::themeSearchPaths()) {
            if (QFileInfo::exists(folder + u'/' + QLatin1String(theme) + QStringLiteral("/index.theme"))) {
                QIcon::setThemeName(QLatin1String(theme));
                return;
            }
        }
    }
}

// A fixed pair of sizes, so the small and the large view show the same picture at the same index.
QIcon twoSizes(const QIcon& icon) {
    QIcon sized;
    for (int side : {IconCache::SmallSize, IconCache::LargeSize})
        sized.addPixmap(icon.pixmap(side, side));
    return sized;
}

} // namespace

QIcon IconCache::desktopIcon(const QString& fileName) {
    static const bool themeChecked = (useACommonThemeWhenNoneIsNamed(), true);
    Q_UNUSED(themeChecked);
    static const QMimeDatabase mimeTypes;
    const QMimeType type = mimeTypes.mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull())
        icon = QFileIconProvider().icon(QAbstractFileIconProvider::File);
    return icon;
}

IconCache::IconCache(Lookup lookup)
    : m_lookup(lookup ? std::move(lookup) : Lookup(desktopIcon)) {}

int IconCache::ExtensionIconIndex(const QString& path) {
    const QString extension = QString::fromStdString(LastDotSuffix(path.toStdString()));
    const QString key = extension.toUpper();
    const auto known = m_indexByExtension.constFind(key);
    if (known != m_indexByExtension.cend())
        return *known;
    // The type is told by the extension alone; a name without one is looked up as it is.
    const bool plainExtension = extension.startsWith(u'.') && !extension.contains(u'/');
    const QIcon found = m_lookup(plainExtension ? QStringLiteral("x") + extension : QFileInfo(path).fileName());
    int index = -1;
    if (!found.isNull()) {
        index = size();
        m_icons.append(twoSizes(found));
    }
    m_indexByExtension.insert(key, index);
    return index;
}

QIcon IconCache::icon(int index) const {
    return index >= 0 && index < size() ? m_icons[index] : QIcon();
}
