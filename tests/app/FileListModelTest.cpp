#include "app/list/FileListModel.h"
#include "app/list/IconCache.h"
#include "components/core/MainTexts.h"

#include "TestFiles.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QItemSelectionModel>
#include <QPixmap>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// One icon for every type, so tests need no desktop theme.
QIcon greenIcon(const QString&) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::green);
    return QIcon(pixmap);
}

class FileListModelTest : public ::testing::Test {
protected:
    QStringList column(int col) const {
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row)
            texts.append(model.data(model.index(row, col)).toString());
        return texts;
    }

    QTemporaryDir dir;
    IconCache icons{greenIcon};
    FileListModel model{icons, LanguageGerman};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

} // namespace

TEST_F(FileListModelTest, AnAddedFileShowsItsFactsInFiveColumns) {
    const QString path =
        makeTestFile(dir.path(), "film.avi.001", 1457664, QDateTime(QDate(2001, 12, 24), QTime(18, 5)));
    model.AddFileToList(path);
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.columnCount(), 5);
    const QStringList expected{"film.avi.001", QDir(dir.path()).absolutePath() + "/", "1457664", "24.12.01 18:05", "0"};
    for (int col = 0; col < 5; ++col)
        EXPECT_EQ(model.data(model.index(0, col)).toString(), expected[col]) << col;
    EXPECT_EQ(model.item(0).path(), path);
    EXPECT_FALSE(model.data(model.index(0, 0), Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_FALSE(model.data(model.index(0, 2), Qt::DecorationRole).isValid());

    // A relative name is listed with its full folder; a missing file with size and date "0".
    QDir::setCurrent(dir.path());
    model.AddFileToList(QStringLiteral("gone.txt"));
    EXPECT_EQ(model.item(1).folder, QDir(dir.path()).absolutePath() + "/");
    EXPECT_EQ(model.item(1).sizeText, u"0");
    EXPECT_EQ(model.item(1).dateText, u"0");
}

TEST_F(FileListModelTest, KennzeichenCountsOnUntilTheListIsEmpty) {
    const QString path = makeTestFile(dir.path(), "a.txt", 3);
    model.AddFileToList(path);
    model.AddFileToList(path); // no duplicate check
    model.AddFileToList(path);
    EXPECT_EQ(column(4), QStringList({"0", "1", "2"}));

    model.removeItemRows({1});
    model.AddFileToList(path);
    EXPECT_EQ(column(4), QStringList({"0", "2", "3"}));

    model.removeItemRows({0, 1, 2});
    EXPECT_EQ(model.rowCount(), 0);
    model.AddFileToList(path);
    model.AddFileToList(path);
    EXPECT_EQ(column(4), QStringList({"0", "1"}));

    model.clearList();
    EXPECT_EQ(model.itemCounter(), 0);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.AddFilesToList({path, dir.filePath("gone"), path});
    EXPECT_EQ(column(4), QStringList({"0", "1", "2"}));
    EXPECT_EQ(inserted.count(), 1);
}

TEST_F(FileListModelTest, RemovesScatteredRowsAndIgnoresUnknownOnes) {
    const QString path = makeTestFile(dir.path(), "a.txt", 3);
    for (int i = 0; i < 7; ++i)
        model.AddFileToList(path);
    model.removeItemRows({5, 0, 2, 3, 3, 9, -1});
    EXPECT_EQ(column(4), QStringList({"1", "4", "6"}));
    EXPECT_EQ(model.itemCounter(), 7);
}

TEST_F(FileListModelTest, SortsByEveryKeyBothWays) {
    // Size 9 before 10, 2001 before 2002 before 1999 (two-digit years), Kennzeichen 2 before 10.
    const struct {
        const char* name;
        qint64 size;
        QDate date;
    } files[] = {{"b.txt", 10, {2002, 1, 2}},
                 {"A.txt", 9, {2001, 12, 24}},
                 {"ä.txt", 100, {1999, 5, 5}},
                 {"z.txt", 1000, {2001, 12, 24}}};
    const QString sub = dir.filePath("sub");
    QDir().mkpath(sub);
    for (const auto& f : files) {
        const QString folder = QString::fromUtf8(f.name) == u"z.txt" ? sub : dir.path();
        model.AddFileToList(makeTestFile(folder, QString::fromUtf8(f.name), f.size, QDateTime(f.date, QTime(12, 0))));
    }
    for (int i = 0; i < 7; ++i) // pad the Kennzeichen of the last file to 10
        model.AddFileToList(dir.filePath("gone"));
    model.AddFileToList(dir.filePath("A.txt"));
    model.removeItemRows({4, 5, 6, 7, 8, 9, 10});
    ASSERT_EQ(column(4), QStringList({"0", "1", "2", "3", "11"}));

    const struct {
        int key;
        bool ascending;
        QStringList kennzeichen;
    } cases[] = {
        {ColumnName, true, {"1", "11", "0", "3", "2"}},         {ColumnName, false, {"2", "3", "0", "1", "11"}},
        {ColumnSize, true, {"1", "11", "0", "2", "3"}},         {ColumnDate, true, {"1", "3", "11", "0", "2"}},
        {ColumnDate, false, {"2", "0", "1", "3", "11"}},        {ColumnKennzeichen, true, {"0", "1", "2", "3", "11"}},
        {ColumnKennzeichen, false, {"11", "3", "2", "1", "0"}},
    };
    for (const auto& c : cases) {
        model.SortList(ColumnKennzeichen, true); // equal keys then stay in Kennzeichen order
        model.SortList(c.key, c.ascending);
        EXPECT_EQ(column(4), c.kennzeichen) << c.key << (c.ascending ? " ascending" : " descending");
    }
    model.SortList(ColumnFolder, true);
    EXPECT_EQ(column(4).last(), u"3"); // ".../sub/" after its parent folder
}

TEST_F(FileListModelTest, SortingKeepsTheSelectionOnTheSameFiles) {
    for (const char* name : {"c.txt", "a.txt", "b.txt"})
        model.AddFileToList(makeTestFile(dir.path(), QString::fromLatin1(name), 1));
    QItemSelectionModel selection(&model);
    selection.select(model.index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection.setCurrentIndex(model.index(2, 0), QItemSelectionModel::NoUpdate);
    model.SortList(ColumnName, true);
    ASSERT_EQ(selection.selectedRows().size(), 1);
    EXPECT_EQ(selection.selectedRows().first().row(), 2);
    EXPECT_EQ(model.item(2).name, u"c.txt");
    EXPECT_EQ(selection.currentIndex().row(), 1);
}

TEST_F(FileListModelTest, HeaderShowsTheCaptionsAndTheArrowOnTheSortColumn) {
    QPixmap up(8, 8), down(8, 8);
    up.fill(Qt::black);
    down.fill(Qt::white);
    model.setSortArrows(QIcon(up), QIcon(down));
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), u"Größe");
    EXPECT_EQ(model.headerData(4, Qt::Horizontal).toString(), u"Kennzeichen");
    model.setLanguageCode(LanguageEnglish);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), u"Folder");
    EXPECT_EQ(model.headerData(4, Qt::Horizontal).toString(), u"Flag");

    const auto arrowColor = [&](int column) {
        const QVariant arrow = model.headerData(column, Qt::Horizontal, Qt::DecorationRole);
        return arrow.isValid() ? arrow.value<QIcon>().pixmap(8).toImage().pixelColor(4, 4) : QColor();
    };
    model.SortList(ColumnSize, false);
    EXPECT_EQ(arrowColor(2), QColor(Qt::white));
    model.SortList(ColumnName, true);
    EXPECT_EQ(arrowColor(0), QColor(Qt::black));
    for (int column : {1, 2, 3, 4})
        EXPECT_FALSE(arrowColor(column).isValid()) << column;
}
