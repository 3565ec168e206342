#include "app/list/LocalFiles.h"
#include "app/list/ListQuestions.h"
#include "components/core/MainTexts.h"

#include "TestFiles.h"

#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

TEST(LocalFiles, OnlyExistingLocalFilesAreTakenInTheirOrder) {
    QTemporaryDir dir;
    const QString second = makeTestFile(dir.path(), "second.bin", 2);
    const QString first = makeTestFile(dir.path(), "first.txt", 1);
    // Longer than the 259 characters an old buffer could hold.
    QString deep = dir.path();
    for (int i = 0; i < 4; ++i)
        deep += u'/' + QString(80, QChar(u'a' + i));
    QDir().mkpath(deep);
    const QString longName = makeTestFile(deep, "long.dat", 3);
    ASSERT_GT(longName.size(), 300);

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(dir.path()),
                  QUrl::fromLocalFile(dir.filePath("gone")), QUrl(QStringLiteral("https://www.brimvale.example/x.zip")),
                  QUrl::fromLocalFile(longName), QUrl::fromLocalFile(second)});
    const QStringList paths = LocalPaths(data);
    EXPECT_EQ(paths, QStringList({first, dir.path(), dir.filePath("gone"), longName, second}));
    EXPECT_EQ(ExistingFiles(paths), QStringList({first, longName, second}));

    QMimeData copied;
    copied.setData(QStringLiteral("x-special/gnome-copied-files"),
                   "copy\n" + QUrl::fromLocalFile(second).toEncoded() + "\n" + QUrl::fromLocalFile(first).toEncoded());
    EXPECT_EQ(LocalPaths(copied), QStringList({second, first}));

    QMimeData text;
    text.setText(first);
    EXPECT_TRUE(LocalPaths(text).isEmpty());
}

TEST(ListQuestions, DeleteQuestionForOneOrSeveralFiles) {
    const struct {
        int count;
        int language;
        const char* text;
    } cases[] = {
        {1, LanguageEnglish, "Do you really want to delete 1  file from list?"},
        {3, LanguageEnglish, "Do you really want to delete all 3 files from list?"},
        {1, LanguageGerman, "Möchten Sie 1 Datei wirklich aus der Liste löschen?"},
        {12, LanguageGerman, "Möchten Sie alle 12 Dateien wirklich aus der Liste löschen?"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DeleteQuestionText(c.count, c.language), QString::fromUtf8(c.text)) << c.count;
}

TEST(LocalFiles, FileUrisOnTheCommandLineBecomePaths) {
    QTemporaryDir dir;
    const QString awkward = makeTestFile(dir.path(), QString::fromUtf8("Bob's \"x\" $a & b ü\\z%41.txt"), 1);
    // A file whose name looks like a URI is taken as it stands.
    QDir(dir.path()).mkpath(QStringLiteral("file:"));
    makeTestFile(dir.path() + QStringLiteral("/file:"), QStringLiteral("x"), 1);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const struct {
        QString argument;
        QString path;
    } cases[] = {
        {QString::fromUtf8(QUrl::fromLocalFile(awkward).toEncoded()), awkward},
        {awkward, awkward},
        {QStringLiteral("relative.txt"), QStringLiteral("relative.txt")},
        {QStringLiteral("https://www.brimvale.example/x.zip"), QStringLiteral("https://www.brimvale.example/x.zip")},
        {QStringLiteral("file://x"), QStringLiteral("file://x")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandLinePaths({c.argument}), QStringList{c.path}) << c.argument.toStdString();
    QDir::setCurrent(previous);
}
