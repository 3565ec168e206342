#include "app/list/IconCache.h"

#include <QPixmap>
#include <gtest/gtest.h>

namespace {

QIcon solidIcon(Qt::GlobalColor color) {
    QPixmap pixmap(48, 48);
    pixmap.fill(color);
    return QIcon(pixmap);
}

} // namespace

TEST(IconCache, LooksUpEachExtensionOnceRegardlessOfCase) {
    QStringList asked;
    IconCache cache([&](const QString& name) {
        asked.append(name);
        return name.endsWith(QStringLiteral(".none")) ? QIcon() : solidIcon(Qt::blue);
    });

    const int txt = cache.ExtensionIconIndex(QStringLiteral("/data/a.txt"));
    EXPECT_EQ(cache.ExtensionIconIndex(QStringLiteral("/other/B.TXT")), txt);
    EXPECT_EQ(cache.ExtensionIconIndex(QStringLiteral("/data/c.Txt")), txt);
    const int avi = cache.ExtensionIconIndex(QStringLiteral("/data/film.avi.001"));
    EXPECT_NE(avi, txt);
    EXPECT_EQ(cache.ExtensionIconIndex(QStringLiteral("/data/x.001")), avi);

    // No icon: -1, and remembered as such.
    EXPECT_EQ(cache.ExtensionIconIndex(QStringLiteral("/data/a.none")), -1);
    EXPECT_EQ(cache.ExtensionIconIndex(QStringLiteral("/data/b.NONE")), -1);

    // A name without a dot is its own key.
    const int readme = cache.ExtensionIconIndex(QStringLiteral("/data/README"));
    EXPECT_EQ(cache.ExtensionIconIndex(QStringLiteral("/data/README")), readme);
    cache.ExtensionIconIndex(QStringLiteral("/data/LICENSE"));

    EXPECT_EQ(asked, QStringList({"x.txt", "x.001", "x.none", "README", "LICENSE"}));
    EXPECT_EQ(cache.size(), 4);
    EXPECT_TRUE(cache.icon(-1).isNull());
    EXPECT_TRUE(cache.icon(cache.size()).isNull());
}

TEST(IconCache, KeepsTheSmallAndTheLargePictureAtTheSameIndex) {
    IconCache cache([](const QString&) { return solidIcon(Qt::red); });
    const QIcon icon = cache.icon(cache.ExtensionIconIndex(QStringLiteral("a.bin")));
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(IconCache::SmallSize, IconCache::SmallSize)));
    EXPECT_TRUE(sizes.contains(QSize(IconCache::LargeSize, IconCache::LargeSize)));
    EXPECT_EQ(icon.pixmap(IconCache::LargeSize).toImage().pixelColor(16, 16), QColor(Qt::red));
}

TEST(IconCache, TheDesktopGivesAtLeastAPlainFileIcon) {
    IconCache cache;
    EXPECT_GE(cache.ExtensionIconIndex(QStringLiteral("/data/notes.txt")), 0);
    EXPECT_FALSE(cache.icon(0).isNull());
}
