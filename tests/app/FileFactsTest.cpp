#include "app/list/FileFacts.h"
#include "components/core/MainTexts.h"

#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FileFacts, FileSizeOfCountsBytesAndAnswersZeroWhenItCannot) {
    QTemporaryDir dir;
    const struct {
        QString path;
        qint64 size;
    } cases[] = {
        {makeTestFile(dir.path(), "empty", 0), 0},
        {makeTestFile(dir.path(), "five", 5), 5},
        {makeTestFile(dir.path(), "beyond 32 bits", 3LL << 30), 3LL << 30},
        {dir.filePath("missing"), 0},
        {QString(), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileSizeOf(c.path), c.size) << qPrintable(c.path);
}

TEST(FileFacts, FileDateTextPutsEveryFieldAtItsPlaceInBothLanguages) {
    QTemporaryDir dir;
    const struct {
        QDateTime lastWrite;
        const char* german;
        const char* english;
    } cases[] = {
        {QDateTime(QDate(2001, 12, 24), QTime(18, 5)), "24.12.01 18:05", "12.24.01 18:05"},
        {QDateTime(QDate(2002, 1, 2), QTime(9, 0)), "02.01.02 09:00", "01.02.02 09:00"},
        {QDateTime(QDate(1999, 7, 31), QTime(0, 59)), "31.07.99 00:59", "07.31.99 00:59"},
        {QDateTime(QDate(2010, 3, 4), QTime(23, 7)), "04.03.10 23:07", "03.04.10 23:07"},
    };
    for (const auto& c : cases) {
        const QString path = makeTestFile(dir.path(), "dated", 1, c.lastWrite);
        EXPECT_EQ(FileDateText(path, LanguageGerman), QString::fromLatin1(c.german));
        EXPECT_EQ(FileDateText(path, LanguageEnglish), QString::fromLatin1(c.english));
    }
    EXPECT_EQ(FileDateText(dir.filePath("missing"), LanguageGerman), u"0");
    EXPECT_EQ(FormatFileDate(QDateTime(), QStringLiteral("dd.mm.yy hh:nn")), u"0");
}
