#include "components/core/WholeFileSave.h"
#include "support/FullFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

TEST(WholeFileSave, ReplacesTheWholeFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    QString reason;
    ASSERT_TRUE(saveWholeFile(path, "a much longer first version", reason)) << qPrintable(reason);
    ASSERT_TRUE(saveWholeFile(path, "second", reason)) << qPrintable(reason);
    EXPECT_EQ(contentOf(path), "second");
}

TEST(WholeFileSave, AFullDiskFailsAndKeepsThePreviousFile) {
    FullFolder folder;
    const QString path = folder.filePath(QStringLiteral("kept.txt"));
    QString reason;
    ASSERT_TRUE(saveWholeFile(path, "previous", reason)) << qPrintable(reason);
    folder.fill();
    // Small enough to sit in the write buffer until the flush, and larger than a page.
    for (const QByteArray& bytes : {QByteArray("new"), QByteArray(100000, 'n')}) {
        reason.clear();
        EXPECT_FALSE(saveWholeFile(path, bytes, reason)) << bytes.size();
        EXPECT_FALSE(reason.isEmpty());
        EXPECT_EQ(contentOf(path), "previous");
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("kept.txt")});
}
