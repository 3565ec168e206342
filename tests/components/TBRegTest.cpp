#include "components/core/TBReg.h"
#include "components/TBRegButtons.h"
#include "support/FullFolder.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QStandardPaths>
#include <QWidget>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace {

// Each test gets a store of its own under the test run's private config folder.
class TBRegTest : public ::testing::Test {
protected:
    void SetUp() override {
        reg.Firmenname = QStringLiteral("BrimvaleTest");
        reg.Programmname = QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name());
        QFile::remove(reg.storePath());
    }
    void TearDown() override { QFile::remove(reg.storePath()); }

    // Writes the settings file as another program would.
    void writeStoreFile(const QByteArray& content) const {
        QDir().mkpath(QFileInfo(reg.storePath()).absolutePath());
        QFile file(reg.storePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(content), content.size());
    }

    TBReg reg;
};

} // namespace

TEST_F(TBRegTest, StoredTextsDecodeOrFallBackToTheDefault) {
    const struct {
        std::optional<QString> stored; // nullopt: never written
        bool checkBox;                 // PopCheckBox with default true
        int groupOfThree;              // PopGroupPosition with default 1
    } cases[] = {
        {std::nullopt, true, 1}, {"1", true, 1},   {"0", false, 1}, {"2", true, 2},  {"3", true, 3},
        {"7", true, 1},          {"10", true, 1},  {"01", true, 1}, {" 1", true, 1}, {"abc", true, 1},
        {"true", true, 1},       {"yes", true, 1}, {"", true, 1},   {"-1", true, 1}, {"0 ", true, 1},
    };
    for (const auto& c : cases) {
        QFile::remove(reg.storePath());
        if (c.stored)
            reg.Push(QStringLiteral("Value"), *c.stored);
        const QString label = c.stored.value_or(QStringLiteral("<missing>"));
        EXPECT_EQ(reg.Pop(QStringLiteral("Value")), c.stored.value_or(QString())) << qPrintable(label);
        EXPECT_EQ(reg.PopCheckBox(QStringLiteral("Value"), true), c.checkBox) << qPrintable(label);
        EXPECT_EQ(reg.PopCheckBox(QStringLiteral("Value"), false), c.checkBox && c.stored == u"1") << qPrintable(label);
        EXPECT_EQ(reg.PopGroupPosition(QStringLiteral("Value"), 3, 1), c.groupOfThree) << qPrintable(label);
    }
}

TEST_F(TBRegTest, GroupsOfTwoToTenStoreTheLastSetPosition) {
    reg.PushBool(QStringLiteral("G"), {false, false});
    EXPECT_EQ(reg.Pop(QStringLiteral("G")), u"0");
    reg.PushBool(QStringLiteral("G"), {true, false, true});
    EXPECT_EQ(reg.Pop(QStringLiteral("G")), u"3");
    reg.PushBool(QStringLiteral("G"), {false, false, false, false, false, false, false, false, true, true});
    EXPECT_EQ(reg.Pop(QStringLiteral("G")), u"10");
    EXPECT_EQ(reg.PopGroupPosition(QStringLiteral("G"), 10, 1), 10);
    EXPECT_EQ(reg.PopGroupPosition(QStringLiteral("G"), 9, 1), 1);

    reg.PushCheckBox(QStringLiteral("C"), true);
    EXPECT_EQ(reg.Pop(QStringLiteral("C")), u"1");
    reg.PushCheckBox(QStringLiteral("C"), false);
    EXPECT_EQ(reg.Pop(QStringLiteral("C")), u"0");
}

TEST_F(TBRegTest, PopBoolSetsOnlyTheStoredFlag) {
    bool f1 = true, f2 = false, f3 = false;
    reg.Push(QStringLiteral("F"), QStringLiteral("2"));
    reg.PopBool(QStringLiteral("F"), {&f1, &f2, &f3}, 3);
    EXPECT_TRUE(f1); // untouched, not cleared
    EXPECT_TRUE(f2);
    EXPECT_FALSE(f3);

    // Nothing stored: the default position's flag; a default outside the group touches nothing.
    bool g1 = false, g2 = false;
    reg.PopBool(QStringLiteral("Missing"), {&g1, &g2}, 2);
    EXPECT_FALSE(g1);
    EXPECT_TRUE(g2);
    bool h1 = false, h2 = true;
    for (int outside : {0, 3, -1}) {
        reg.PopBool(QStringLiteral("Missing"), {&h1, &h2}, outside);
        EXPECT_FALSE(h1);
        EXPECT_TRUE(h2);
    }
}

TEST_F(TBRegTest, RadioButtonsRoundTripThroughTheStore) {
    QWidget container;
    auto* r1 = new QRadioButton(&container);
    auto* r2 = new QRadioButton(&container);
    auto* r3 = new QRadioButton(&container);

    PushRadioButtons(reg, QStringLiteral("R"), {r1, r2, r3});
    EXPECT_EQ(reg.Pop(QStringLiteral("R")), u"0");
    // "0" reads like a missing value: the default position is checked.
    PopRadioButtons(reg, QStringLiteral("R"), {r1, r2, r3}, 2);
    EXPECT_TRUE(r2->isChecked());

    r3->setChecked(true);
    PushRadioButtons(reg, QStringLiteral("R"), {r1, r2, r3});
    EXPECT_EQ(reg.Pop(QStringLiteral("R")), u"3");
    r1->setChecked(true);
    PopRadioButtons(reg, QStringLiteral("R"), {r1, r2, r3}, 1);
    EXPECT_TRUE(r3->isChecked());
    EXPECT_FALSE(r1->isChecked());

    // A default outside the group leaves the buttons as they are.
    PopRadioButtons(reg, QStringLiteral("Missing"), {r1, r2, r3}, 0);
    EXPECT_TRUE(r3->isChecked());

    // Several checked members: the highest position wins.
    QCheckBox a, b, c;
    a.setChecked(true);
    b.setChecked(true);
    PushRadioButtons(reg, QStringLiteral("Boxes"), {&a, &b, &c});
    EXPECT_EQ(reg.Pop(QStringLiteral("Boxes")), u"2");
    PushCheckBox(reg, QStringLiteral("Box"), c);
    EXPECT_EQ(reg.Pop(QStringLiteral("Box")), u"0");
}

TEST_F(TBRegTest, EveryValueIsWrittenAsTextUnderTheTwoNames) {
    reg.Push(QStringLiteral("Size"), QStringLiteral("1457664"));
    reg.Push(QStringLiteral("List"), QStringLiteral("a, b"));
    reg.Push(QStringLiteral("At"), QStringLiteral("@Variant(x)"));
    EXPECT_EQ(reg.storePath(), QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                   "/BrimvaleTest/" + reg.Programmname + ".conf");
    EXPECT_TRUE(QFileInfo::exists(reg.storePath()));
    // Texts that look like other types come back as the same text.
    EXPECT_EQ(reg.Pop(QStringLiteral("Size")), u"1457664");
    EXPECT_EQ(reg.Pop(QStringLiteral("List")), u"a, b");
    EXPECT_EQ(reg.Pop(QStringLiteral("At")), u"@Variant(x)");

    TBReg alone(reg.Programmname + "Alone", QString());
    alone.Push(QStringLiteral("Language"), QStringLiteral("1"));
    const QString expected =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + alone.Programmname + ".conf";
    EXPECT_EQ(alone.storePath(), expected);
    EXPECT_TRUE(QFileInfo::exists(expected));
    EXPECT_EQ(alone.Pop(QStringLiteral("Language")), u"1");
    QFile::remove(expected);
}

TEST_F(TBRegTest, ValuesThatAreNotTextAndDamagedFilesReadAsEmpty) {
    writeStoreFile("[General]\n"
                   "List=x, y\n"
                   "Number=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"
                   "Bytes=@ByteArray(xy)\n"
                   "this line is no setting\n"
                   "Plain=5\n");
    EXPECT_EQ(reg.Pop(QStringLiteral("List")), QString());
    EXPECT_EQ(reg.Pop(QStringLiteral("Number")), QString());
    EXPECT_EQ(reg.Pop(QStringLiteral("Bytes")), QString());
    EXPECT_EQ(reg.PopGroupPosition(QStringLiteral("List"), 3, 2), 2);
    // Readable lines of a damaged file are kept.
    EXPECT_EQ(reg.Pop(QStringLiteral("Plain")), u"5");

    writeStoreFile(QByteArray("\x01\x02\xff\xfe\0zz=\n[[[\n\xc3", 12));
    EXPECT_EQ(reg.Pop(QStringLiteral("Plain")), QString());
    reg.Push(QStringLiteral("Plain"), QStringLiteral("6"));
    EXPECT_EQ(reg.Pop(QStringLiteral("Plain")), u"6");
}

TEST_F(TBRegTest, AStoreThatCannotBeOpenedReadsEmptyAndReportsWrites) {
    // A folder where the settings file should be: neither readable nor writable as a file.
    ASSERT_TRUE(QDir().mkpath(reg.storePath()));
    std::vector<TBRegWriteFailure> failures;
    TBReg::setWriteFailureHandler([&](const TBRegWriteFailure& failure) { failures.push_back(failure); });
    reg.Push(QStringLiteral("Language"), QStringLiteral("1"));
    {
        // A save of several values is one failure, not one per value.
        const TBReg::Batch oneSave(reg);
        for (const char* name : {"SplitMode", "SizeIndex", "Size"})
            reg.Push(QString::fromLatin1(name), QStringLiteral("1"));
    }
    TBReg::setWriteFailureHandler({});
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[0].valueNames, QStringList{QStringLiteral("Language")});
    EXPECT_EQ(failures[0].storePath, reg.storePath());
    EXPECT_TRUE(failures[0].storeNotRegularFile);
    EXPECT_EQ(failures[1].valueNames, (QStringList{"SplitMode", "SizeIndex", "Size"}));
    EXPECT_EQ(reg.readState().state, SettingsFileRead::State::NotRegularFile);
    EXPECT_EQ(reg.Pop(QStringLiteral("Language")), QString());
    EXPECT_TRUE(reg.PopCheckBox(QStringLiteral("Language"), true));
    QDir(reg.storePath()).removeRecursively();
}

TEST_F(TBRegTest, AFifoAsTheStoreIsNeverOpened) {
    QDir().mkpath(QFileInfo(reg.storePath()).absolutePath());
    ASSERT_EQ(::mkfifo(QFile::encodeName(reg.storePath()).constData(), 0600), 0);
    // Opening the FIFO for reading would wait for a writer for ever.
    EXPECT_EQ(reg.readState().state, SettingsFileRead::State::NotRegularFile);
    EXPECT_EQ(reg.Pop(QStringLiteral("Language")), QString());
    bool reported = false;
    TBReg::setWriteFailureHandler([&](const TBRegWriteFailure&) { reported = true; });
    reg.Push(QStringLiteral("Language"), QStringLiteral("2"));
    TBReg::setWriteFailureHandler({});
    EXPECT_TRUE(reported);
    struct stat status {};
    ASSERT_EQ(::lstat(QFile::encodeName(reg.storePath()).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode)) << "still the FIFO";
}

TEST_F(TBRegTest, AStoreThatExistsButCannotBeReadIsReportedAndKept) {
    // A link to itself cannot be read even by root.
    QDir().mkpath(QFileInfo(reg.storePath()).absolutePath());
    ASSERT_TRUE(QFile::link(reg.storePath(), reg.storePath()));
    const SettingsFileRead read = reg.readState();
    EXPECT_EQ(read.state, SettingsFileRead::State::Unreadable);
    EXPECT_FALSE(read.systemReason.isEmpty());
    EXPECT_TRUE(read.failed());
    TBReg::setWriteFailureHandler([](const TBRegWriteFailure&) {});
    reg.Push(QStringLiteral("Size"), QStringLiteral("5"));
    TBReg::setWriteFailureHandler({});
    EXPECT_EQ(QFileInfo(reg.storePath()).symLinkTarget(), reg.storePath());

    QFile::remove(reg.storePath());
    EXPECT_EQ(reg.readState().state, SettingsFileRead::State::Missing);
    EXPECT_FALSE(reg.readState().failed());
}

TEST_F(TBRegTest, AFullDiskKeepsThePreviousStore) {
    FullFolder full;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    reg.Firmenname = QStringLiteral("BrimvaleFull");
    QDir(config).remove(reg.Firmenname);
    ASSERT_TRUE(QFile::link(full.path(), config + u'/' + reg.Firmenname));
    reg.Push(QStringLiteral("Size"), QStringLiteral("1457664"));
    ASSERT_EQ(reg.Pop(QStringLiteral("Size")), u"1457664");
    const QByteArray before = reg.readState().bytes;
    full.fill();

    std::vector<TBRegWriteFailure> failures;
    TBReg::setWriteFailureHandler([&](const TBRegWriteFailure& failure) { failures.push_back(failure); });
    reg.Push(QStringLiteral("Size"), QStringLiteral("2"));
    TBReg::setWriteFailureHandler({});
    EXPECT_EQ(failures.size(), 1u);
    EXPECT_EQ(reg.readState().bytes, before);
    QFile::remove(reg.storePath());
    QFile::remove(config + u'/' + reg.Firmenname);
}

TEST_F(TBRegTest, AChangeMadeOutsideIsSeenAtTheNextPop) {
    reg.Push(QStringLiteral("View"), QStringLiteral("1"));
    ASSERT_EQ(reg.Pop(QStringLiteral("View")), u"1");
    // Same size as before, so only the file's time tells the change apart.
    const QDateTime written = QFileInfo(reg.storePath()).lastModified();
    writeStoreFile("[General]\nView=4\n");
    QFile file(reg.storePath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(written.addSecs(5), QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(reg.Pop(QStringLiteral("View")), u"4");
}

TEST(TBRegShellFolders, UserFoldersMapToTheXdgFolders) {
    const QString home = QDir::homePath();
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    // The test main points these into a private temporary HOME.
    ASSERT_TRUE(config.startsWith(home));
    ASSERT_NE(home, QDir::rootPath());

    const struct {
        QString name;
        QString (*lookup)();
        QString expected;
    } cases[] = {
        {"Desktop", TBReg::GetDirDesktop, home + "/Desktop/"},
        {"Personal", TBReg::GetDirPersonal, home + "/Documents/"},
        {"AppData", TBReg::GetDirAppData, config + "/"},
        {"Cache", TBReg::GetDirCache, cache + "/"},
        {"Fonts", TBReg::GetDirFonts, data + "/fonts/"},
        {"Programs", TBReg::GetDirPrograms, data + "/applications/"},
        {"Start Menu", TBReg::GetDirStartMenu, data + "/applications/"},
        {"SendTo", TBReg::GetDirSendTo, data + "/applications/"},
        {"Startup", TBReg::GetDirStartup, config + "/autostart/"},
        {"Favorites", TBReg::GetDirFavorites, QString()},
        {"NetHood", TBReg::GetDirNetHood, QString()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.lookup(), c.expected) << qPrintable(c.name);
        EXPECT_EQ(TBReg::GetShellFolder(c.name), c.expected) << qPrintable(c.name);
    }
    EXPECT_EQ(TBReg::GetShellFolder(QStringLiteral("No such folder")), QString());
    EXPECT_EQ(TBReg::GetDirQuickLaunch(), QString());
}

TEST(TBRegShellFolders, DesktopFollowsTheUsersFolderNames) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QFile dirs(config + "/user-dirs.dirs");
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly | QIODevice::Truncate));
    dirs.write("XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente/\"\n");
    dirs.close();
    EXPECT_EQ(TBReg::GetDirDesktop(), QDir::homePath() + "/Schreibtisch/");
    EXPECT_EQ(TBReg::GetDirPersonal(), QDir::homePath() + "/Dokumente/");
    dirs.remove();
}

TEST(TBRegMisc, IsIntAndAppDir) {
    const struct {
        const char* text;
        bool isInt;
    } cases[] = {{"", false}, {"+1", false}, {"-5", false}, {" 5", false}, {"007", true}, {"9x", true}};
    for (const auto& c : cases)
        EXPECT_EQ(TBReg::IsInt(QString::fromLatin1(c.text)), c.isInt) << c.text;

    const QString appDir = TBReg::AppDir();
    EXPECT_TRUE(appDir.endsWith(u'/'));
    EXPECT_TRUE(QFileInfo::exists(appDir + QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
}
