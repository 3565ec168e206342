#include "ParcelonRunner.h"
#include "components/core/TBReg.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Each test works in a folder of its own and starts from an empty settings store, the one the
// window and the tool share.
class ParcelonProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        QFile::remove(m_store.storePath());
    }

    QString path(const QString& name) const { return m_folder.filePath(name); }

    QByteArray write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(bytes), bytes.size());
        return bytes;
    }

    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool exists(const QString& name) const { return QFileInfo::exists(path(name)); }

    ParcelonRun run(const QStringList& args) const { return RunParcelon(m_folder.path(), args); }

    // Bytes that differ from place to place, so a part in the wrong order shows.
    static QByteArray Numbered(int size) {
        QByteArray bytes;
        for (int i = 0; i < size; ++i)
            bytes.append(static_cast<char>((i * 7 + i / 251) & 0xff));
        return bytes;
    }

    QTemporaryDir m_folder;
    const TBReg m_store{QStringLiteral("Parcelon"), QStringLiteral("Brimvale")};
};

TEST_F(ParcelonProgramTest, HelpVersionAndUsageErrors) {
    const ParcelonRun version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("Brimvale Parcelon 1.4\n"));

    const ParcelonRun help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option : {"-s, --size",
                               "-n, --parts",
                               "-p, --preset",
                               "-d, --directory",
                               "--batch",
                               "--no-batch",
                               "--batch-delete-parts",
                               "--batch-keep-parts",
                               "--batch-delete-self",
                               "--batch-keep-self",
                               "--script",
                               "--no-script",
                               "--checksums",
                               "--no-checksums",
                               "parcelon verify FILE",
                               "-y, --yes",
                               "-q, --quiet",
                               "--at POS=NAME",
                               "--relative",
                               "-o, --output",
                               "--order auto",
                               "--order listed",
                               "--delete-parts",
                               "--version",
                               "Examples:",
                               "parcelon split movie.avi -s 100M",
                               "parcelon join  movie.avi.001 ",
                               "129",
                               "130",
                               "143",
                               "SIGTERM"})
        EXPECT_TRUE(help.out.contains(QLatin1String(option))) << option;
    EXPECT_FALSE(help.out.contains(QLatin1String("movie.avi.0*"))); // a pattern that misses .100 and up

    for (const QStringList& args : {QStringList{}, QStringList{"split"}, QStringList{"split", "x", "-s", "1Q"},
                                    QStringList{"join", "a", "--order", "never"}}) {
        const ParcelonRun wrong = run(args);
        EXPECT_EQ(wrong.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(wrong.err.contains(QLatin1String("parcelon --help"))) << wrong.err.toStdString();
    }
}

TEST_F(ParcelonProgramTest, HelpAndUsageErrorsFollowTheStoredLanguage) {
    m_store.Push("Language", "2");
    const ParcelonRun help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Aufruf:\n"))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("Rückgabewerte:"))) << help.out.toStdString();
    // Every option of the English help is explained in the German one too.
    m_store.Push("Language", "1");
    const QString english = run({"--help"}).out;
    static const QRegularExpression option(QStringLiteral("--[a-z][a-z-]*"));
    for (const QRegularExpressionMatch& match : option.globalMatch(english))
        EXPECT_TRUE(help.out.contains(match.captured())) << match.captured().toStdString();

    m_store.Push("Language", "2");
    const ParcelonRun wrong = run({"split", "x", "-s", "1Q"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.err, QStringLiteral("parcelon: GRÖSSE '1Q' ist keine Bytezahl von mindestens 1 (K, M und G "
                                        "erlaubt)\nMehr dazu zeigt 'parcelon --help'.\n"));
}

TEST_F(ParcelonProgramTest, SplitJoinAndCutGiveBackTheBytes) {
    const QByteArray source = write("data.bin", Numbered(10000));
    QDir(m_folder.path()).mkdir("parts");

    const ParcelonRun split = run({"split", "data.bin", "-s", "3K", "-d", "parts", "--batch-keep-self"});
    ASSERT_EQ(split.exitCode, 0) << split.err.toStdString();
    EXPECT_EQ(read("parts/data.bin.001"), source.mid(0, 3072));
    EXPECT_EQ(read("parts/data.bin.003"), source.mid(6144, 3072));
    EXPECT_EQ(read("parts/data.bin.004"), source.mid(9216));
    EXPECT_FALSE(exists("parts/data.bin.005"));
    const QByteArray batch = read("parts/data.bin.bat");
    EXPECT_TRUE(
        batch.contains("copy /b \"data.bin.001\"+\"data.bin.002\"+\"data.bin.003\"+\"data.bin.004\" \"data.bin\""));
    EXPECT_FALSE(batch.contains("del \"data.bin.bat\""));

    // Given out of order, the parts are joined by their numbers.
    const ParcelonRun join = run({"join", "parts/data.bin.004", "parts/data.bin.002", "parts/data.bin.001",
                                  "parts/data.bin.003", "-o", "back.bin"});
    ASSERT_EQ(join.exitCode, 0) << join.err.toStdString();
    EXPECT_EQ(read("back.bin"), source);
    EXPECT_TRUE(join.err.isEmpty()) << join.err.toStdString();

    const ParcelonRun cut =
        run({"cut", "data.bin", "--at", "100=head.bin", "--at", "4000=middle.bin", "--at", "9999=tail.bin", "-q"});
    ASSERT_EQ(cut.exitCode, 0) << cut.err.toStdString();
    EXPECT_EQ(read("head.bin"), source.mid(100, 3900));
    EXPECT_EQ(read("middle.bin"), source.mid(4000, 5999));
    EXPECT_EQ(read("tail.bin"), source.mid(9999));

    const ParcelonRun relative =
        run({"cut", "data.bin", "--relative", "--at", "0=a.bin", "--at", "0=b.bin", "--at", "7000=c.bin", "-y"});
    ASSERT_EQ(relative.exitCode, 0) << relative.err.toStdString();
    EXPECT_EQ(read("a.bin"), QByteArray());
    EXPECT_EQ(read("b.bin"), source.mid(0, 7000));
    EXPECT_EQ(read("c.bin"), source.mid(7000));
}

// Each kind of unsafe name is told its own reason; the shell script is written all the same.
TEST_F(ParcelonProgramTest, ANameABatchFileCannotHoldGetsNoBatchFileButTheScript) {
    const std::pair<QString, const char*> names[] = {
        {QStringLiteral("文書.bin"), "code page 850"},
        {QStringLiteral("say \"hi\".bin"), "quotation mark"},
        {QStringLiteral("any*.bin"), "wildcards"},
        {QStringLiteral("back\\slash.bin"), "folder separator"},
    };
    for (const auto& [name, reason] : names) {
        write(name, Numbered(300));
        const ParcelonRun split = run({"split", name, "-s", "100"});
        EXPECT_EQ(split.exitCode, 0) << split.err.toStdString();
        EXPECT_EQ(read(name + ".003").size(), 100);
        EXPECT_FALSE(exists(name + ".bat"));
        EXPECT_TRUE(exists(name + ".sh"));
        EXPECT_TRUE(split.err.startsWith(QStringLiteral("No batch file was written: the name '") + name))
            << split.err.toStdString();
        EXPECT_TRUE(split.err.contains(QLatin1String(reason))) << split.err.toStdString();
    }
    write("plain.bin", Numbered(300));
    const ParcelonRun noScript = run({"split", "plain.bin", "-s", "100", "--no-script"});
    EXPECT_EQ(noScript.exitCode, 0) << noScript.err.toStdString();
    EXPECT_TRUE(exists("plain.bin.bat"));
    EXPECT_FALSE(exists("plain.bin.sh"));
}

TEST_F(ParcelonProgramTest, UnsetOptionsComeFromTheStoredSettings) {
    const QByteArray source = write("data.bin", Numbered(2500));
    m_store.Push("SizeIndex", "6");
    m_store.Push("LastIndivSizeBytes", "1000");
    m_store.Push("BatchFile", "0");
    ParcelonRun split = run({"split", "data.bin"});
    ASSERT_EQ(split.exitCode, 0) << split.err.toStdString();
    EXPECT_EQ(read("data.bin.001").size(), 1000);
    EXPECT_EQ(read("data.bin.003"), source.mid(2000));
    EXPECT_FALSE(exists("data.bin.bat"));

    // Count mode: 2500 bytes in 3 parts of 833 and a fourth of the remaining byte.
    m_store.Push("SplitMode", "2");
    m_store.Push("FileCount", "3");
    split = run({"split", "data.bin", "-y", "--batch"});
    ASSERT_EQ(split.exitCode, 0) << split.err.toStdString();
    EXPECT_EQ(read("data.bin.003").size(), 833);
    EXPECT_EQ(read("data.bin.004"), source.right(1));
    EXPECT_TRUE(exists("data.bin.bat"));

    // The stored delete option holds for the join too; the parts go only once the output is whole.
    m_store.Push("DeleteSplitFiles", "1");
    const ParcelonRun join = run({"join", "data.bin.001", "data.bin.002", "data.bin.003", "data.bin.004", "-o", "j"});
    ASSERT_EQ(join.exitCode, 0) << join.err.toStdString();
    EXPECT_EQ(read("j"), source);
    EXPECT_FALSE(exists("data.bin.001"));
    EXPECT_FALSE(exists("data.bin.004"));
}

TEST_F(ParcelonProgramTest, TooFewPartsAreRefusedInTheStoredLanguage) {
    write("small.bin", Numbered(100));
    ParcelonRun split = run({"split", "small.bin", "-s", "100"});
    EXPECT_EQ(split.exitCode, 3);
    EXPECT_EQ(split.err, QStringLiteral("File mußt be splitted in 2 or more files.\nPlease check the settings.\n"));

    m_store.Push("Language", "2");
    split = run({"split", "small.bin", "-n", "1"});
    EXPECT_EQ(split.exitCode, 3);
    EXPECT_TRUE(split.err.startsWith(QStringLiteral("Die Datei muß mindestens in 2 Teildateien geteilt werden.")))
        << split.err.toStdString();
    EXPECT_FALSE(exists("small.bin.001"));

    // A fresh store splits with the first preset (1457664 bytes) at once.
    QFile::remove(m_store.storePath());
    write("big.bin", QByteArray(1457664 + 10, 'x'));
    split = run({"split", "big.bin", "--no-batch"});
    EXPECT_EQ(split.exitCode, 0) << split.err.toStdString();
    EXPECT_EQ(read("big.bin.002").size(), 10);
}

TEST_F(ParcelonProgramTest, ExistingFilesNeedYesWithoutATerminal) {
    write("data.bin", Numbered(300));
    write("data.bin.002", "keep me");
    ParcelonRun split = run({"split", "data.bin", "-s", "100"});
    EXPECT_EQ(split.exitCode, 3);
    EXPECT_TRUE(split.err.contains(QStringLiteral("The file '") + path("data.bin.002") + "' already exists"))
        << split.err.toStdString();
    EXPECT_TRUE(split.err.contains(QLatin1String("-y"))) << split.err.toStdString();
    EXPECT_EQ(read("data.bin.002"), "keep me");
    EXPECT_EQ(read("data.bin.001").size(), 100); // the part before the question is complete

    split = run({"split", "data.bin", "-s", "100", "-y", "--no-batch"});
    EXPECT_EQ(split.exitCode, 0) << split.err.toStdString();
    EXPECT_EQ(read("data.bin.002"), Numbered(300).mid(100, 100));

    // An existing batch file or script is refused before any part is written.
    for (const char* rejoinFile : {"other.bin.bat", "other.bin.sh"}) {
        write("other.bin", Numbered(300));
        write(rejoinFile, "mine");
        split = run({"split", "other.bin", "-s", "100"});
        EXPECT_EQ(split.exitCode, 3) << rejoinFile;
        EXPECT_TRUE(split.err.contains(path(rejoinFile))) << split.err.toStdString();
        EXPECT_EQ(read(rejoinFile), "mine");
        EXPECT_FALSE(exists("other.bin.001"));
        split = run({"split", "other.bin", "-s", "100", "-y"});
        EXPECT_EQ(split.exitCode, 0) << split.err.toStdString();
        EXPECT_NE(read(rejoinFile), "mine");
        for (const char* name :
             {"other.bin.bat", "other.bin.sh", "other.bin.001", "other.bin.002", "other.bin.003", "other.bin.004"})
            QFile::remove(path(name));
    }

    write("data.bin", "existing output");
    ParcelonRun join = run({"join", "data.bin.001", "data.bin.002", "data.bin.003", "data.bin.004"});
    EXPECT_EQ(join.exitCode, 3);
    EXPECT_EQ(read("data.bin"), "existing output");
    join = run({"join", "data.bin.001", "data.bin.002", "data.bin.003", "data.bin.004", "-y"});
    EXPECT_EQ(join.exitCode, 0) << join.err.toStdString();
    EXPECT_EQ(read("data.bin"), Numbered(300));
}

TEST_F(ParcelonProgramTest, AFullDiskFailsWithTheSystemsReason) {
    const QByteArray source = write("data.bin", Numbered(3000));
    ASSERT_TRUE(QFile::link("/dev/full", path("data.bin.002")));
    const ParcelonRun split = run({"split", "data.bin", "-s", "1000", "-y"});
    EXPECT_EQ(split.exitCode, 1);
    EXPECT_TRUE(split.err.startsWith(QStringLiteral("An Error occured while writing the current file.")))
        << split.err.toStdString();
    EXPECT_TRUE(split.err.contains(QLatin1String("data.bin.002: No space left on device"))) << split.err.toStdString();
    EXPECT_EQ(read("data.bin.001"), source.left(1000));
    EXPECT_FALSE(exists("data.bin.003"));
    EXPECT_FALSE(exists("data.bin.bat"));
    EXPECT_EQ(read("data.bin"), source);
}

TEST_F(ParcelonProgramTest, AnOutputThatIsAnInputIsRefused) {
    write("a.001", "first ");
    write("a.002", "second");
    ASSERT_TRUE(QFile::link(path("a.002"), path("link")));
    for (const char* output : {"a.001", "link"}) {
        const ParcelonRun join = run({"join", "a.001", "a.002", "-o", output, "-y"});
        EXPECT_EQ(join.exitCode, 3) << output;
        EXPECT_TRUE(join.err.contains(QLatin1String("Nothing was written"))) << join.err.toStdString();
        EXPECT_EQ(read("a.001"), "first ");
        EXPECT_EQ(read("a.002"), "second");
    }

    const ParcelonRun cut = run({"cut", "a.002", "--at", "0=a.002", "-y"});
    EXPECT_EQ(cut.exitCode, 3);
    EXPECT_EQ(read("a.002"), "second");
}

TEST_F(ParcelonProgramTest, CutRefusesTwoNamesForOneFile) {
    write("data.bin", Numbered(300));
    write("kept", "old");
    ASSERT_TRUE(QFile::link(path("kept"), path("link")));
    const std::pair<const char*, const char*> names[] = {{"a", "a"}, {"a", "./a"}, {"kept", "link"}};
    for (const auto& [first, second] : names) {
        const ParcelonRun cut = run(
            {"cut", "data.bin", "--at", QStringLiteral("0=") + first, "--at", QStringLiteral("100=") + second, "-y"});
        EXPECT_EQ(cut.exitCode, 3) << second;
        EXPECT_TRUE(cut.err.contains(QLatin1String("are the same file"))) << cut.err.toStdString();
        EXPECT_FALSE(exists("a"));
        EXPECT_EQ(read("kept"), "old");
    }
}

TEST_F(ParcelonProgramTest, RelativeLengthsThatWrapAreRefused) {
    // Each length lies inside the file, as only a huge sparse file allows; tmpfs holds one.
    QTemporaryDir memory(QStringLiteral("/dev/shm/parcelon-XXXXXX"));
    QFile huge(memory.filePath(QStringLiteral("huge.bin")));
    if (!memory.isValid() || !huge.open(QIODevice::WriteOnly) || !huge.resize(std::numeric_limits<qint64>::max()))
        GTEST_SKIP() << "no file system here holds a sparse file of 8 EiB";
    huge.close();
    const QString quarter = QString::number(1LL << 62);
    const ParcelonRun cut = run(
        {"cut", huge.fileName(), "--relative", "--at", "0=a", "--at", quarter + "=b", "--at", quarter + "=c", "-y"});
    EXPECT_EQ(cut.exitCode, 2);
    EXPECT_TRUE(cut.err.contains(QLatin1String("more than 9223372036854775807 bytes"))) << cut.err.toStdString();
    EXPECT_FALSE(exists("a"));
}

TEST_F(ParcelonProgramTest, ASettingsFileThatCannotBeReadIsToldAndNeverWaitedFor) {
    write("data.bin", Numbered(300));
    const QString store = m_store.storePath();
    QDir().mkpath(QFileInfo(store).absolutePath());
    const struct {
        const char* title;
        std::function<bool()> make;
        const char* reason;
    } cases[] = {
        // Opened for reading, a FIFO would wait for a writer for ever.
        {"FIFO", [&] { return ::mkfifo(QFile::encodeName(store).constData(), 0600) == 0; }, "it is not a regular file"},
        {"folder", [&] { return QDir().mkdir(store); }, "it is not a regular file"},
        {"link loop", [&] { return QFile::link(store, store); }, "Too many levels of symbolic links"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        ASSERT_TRUE(c.make());
        const ParcelonRun split = run({"split", "data.bin", "-s", "100", "-y", "--no-batch"});
        EXPECT_EQ(split.exitCode, 0) << split.err.toStdString();
        EXPECT_TRUE(split.err.contains(QStringLiteral("The settings in '%1' cannot be read (%2)").arg(store, c.reason)))
            << split.err.toStdString();
        EXPECT_EQ(read("data.bin.003"), Numbered(300).mid(200));
        ASSERT_TRUE(QDir().rmdir(store) || QFile::remove(store));
    }
}

TEST_F(ParcelonProgramTest, JoinOrderAndMissingParts) {
    write("x.001", "1");
    write("x.002", "2");
    write("readme.txt", "R");

    // An unclear order keeps the order given, and says so.
    ParcelonRun join = run({"join", "x.002", "readme.txt", "x.001", "-o", "auto.bin"});
    EXPECT_EQ(join.exitCode, 0);
    EXPECT_EQ(read("auto.bin"), "2R1");
    EXPECT_TRUE(join.err.contains(QLatin1String("order of the parts is unclear"))) << join.err.toStdString();

    join = run({"join", "x.002", "x.001", "--order", "listed", "-o", "listed.bin"});
    EXPECT_EQ(join.exitCode, 0);
    EXPECT_EQ(read("listed.bin"), "21");
    EXPECT_TRUE(join.err.isEmpty()) << join.err.toStdString();

    // A missing part is skipped and told; the output is kept, but that is no success.
    join = run({"join", "x.001", "x.003", "x.002", "--keep-parts"});
    EXPECT_EQ(join.exitCode, 1);
    EXPECT_EQ(read("x"), "12");
    EXPECT_TRUE(join.err.contains(QStringLiteral("Error: File '") + "x.003" + "' not found.\nThis file was skipped."))
        << join.err.toStdString();

    // Under the delete option it ends the join before anything is written or deleted.
    join = run({"join", "x.001", "x.003", "x.002", "--delete-parts", "-o", "deleting"});
    EXPECT_EQ(join.exitCode, 1);
    EXPECT_TRUE(join.err.contains(QStringLiteral("The file '") + "x.003" + "' could not be read:\n" +
                                  QString::fromLocal8Bit(std::strerror(ENOENT))))
        << join.err.toStdString();
    EXPECT_FALSE(exists("deleting"));
    EXPECT_TRUE(exists("x.001"));
}

TEST_F(ParcelonProgramTest, PartOneAloneJoinsTheWholeRunWithoutTheCompanionFiles) {
    // 1001 bytes in parts of 1 give data.bin.001 to data.bin.1002, the last one empty.
    const QByteArray source = write("data.bin", Numbered(1001));
    QDir(m_folder.path()).mkdir("parts");
    QDir(m_folder.path()).mkdir("out");
    const ParcelonRun split = run({"split", "data.bin", "-s", "1", "-d", "parts", "--batch", "-q"});
    ASSERT_EQ(split.exitCode, 0) << split.err.toStdString();
    ASSERT_TRUE(exists("parts/data.bin.1002"));
    ASSERT_TRUE(exists("parts/data.bin.sh"));
    ASSERT_TRUE(exists("parts/data.bin.sha256"));

    for (const QString& given : {QStringLiteral("parts/data.bin.001"), QStringLiteral("parts/data.bin")}) {
        SCOPED_TRACE(given.toStdString());
        QFile::remove(path("out/data.bin"));
        const ParcelonRun join = run({"join", given, "-d", "out", "-q"});
        ASSERT_EQ(join.exitCode, 0) << join.err.toStdString();
        EXPECT_EQ(read("out/data.bin"), source);
        EXPECT_TRUE(join.err.isEmpty()) << join.err.toStdString();
    }

    // Every file of the folder, as a shell's parts/data.bin.* gives them: the companions are told
    // and left out.
    QStringList all{"join", "-o", "all.bin", "-q"};
    for (const QString& name : QDir(path("parts")).entryList(QDir::Files, QDir::Name))
        all.append("parts/" + name);
    const ParcelonRun join = run(all);
    ASSERT_EQ(join.exitCode, 0) << join.err.toStdString();
    EXPECT_EQ(read("all.bin"), source);
    EXPECT_EQ(join.err, "Not joined, as they are not parts but files written beside them by the split: "
                        "data.bin.bat, data.bin.sh, data.bin.sha256\n");
}

TEST_F(ParcelonProgramTest, AMissingPartNumberRefusesTheJoinUnlessTheListedOrderIsAsked) {
    write("x.001", "1");
    write("x.003", "3");
    write("x.006", "6");

    ParcelonRun join = run({"join", "x.003", "x.001", "x.006"});
    EXPECT_EQ(join.exitCode, 3);
    EXPECT_TRUE(join.err.contains(QStringLiteral("Parts are missing: x.002, x.004, x.005\nNothing was joined")))
        << join.err.toStdString();
    EXPECT_FALSE(exists("x"));

    // The whole run from part 1 has the same gaps.
    join = run({"join", "x.001"});
    EXPECT_EQ(join.exitCode, 3);
    EXPECT_FALSE(exists("x"));

    // Exactly the files given, in that order; the split's script is no part even so.
    write("x.sh", "#!/bin/sh\n");
    join = run({"join", "x.003", "x.sh", "x.001", "x.006", "--order", "listed"});
    EXPECT_EQ(join.exitCode, 0) << join.err.toStdString();
    EXPECT_EQ(read("x"), "316");
    EXPECT_TRUE(join.err.contains(QLatin1String("by the split: x.sh"))) << join.err.toStdString();

    // A part 1 that is not there is a missing part, as any other; with no part at all nothing is written.
    join = run({"join", "gone.001"});
    EXPECT_EQ(join.exitCode, 1);
    EXPECT_TRUE(join.err.contains(QLatin1String("'gone.001' could not be read"))) << join.err.toStdString();
    EXPECT_FALSE(exists("gone"));
}

TEST_F(ParcelonProgramTest, ASmallerSecondSplitRemovesTheFirstSplitsHigherParts) {
    write("data.bin", Numbered(300));
    ASSERT_EQ(run({"split", "data.bin", "-s", "50", "--no-batch"}).exitCode, 0);
    ASSERT_TRUE(exists("data.bin.007"));
    const QByteArray smaller = write("data.bin", Numbered(120));

    const ParcelonRun split = run({"split", "data.bin", "-s", "50", "--no-batch", "-y"});
    ASSERT_EQ(split.exitCode, 0) << split.err.toStdString();
    EXPECT_EQ(split.err, "4 file(s) of an earlier split of the same file were removed.\n");
    EXPECT_TRUE(exists("data.bin.003"));
    EXPECT_FALSE(exists("data.bin.004"));
    EXPECT_FALSE(exists("data.bin.007"));

    ASSERT_EQ(run({"join", "data.bin.001", "-o", "back.bin"}).exitCode, 0);
    EXPECT_EQ(read("back.bin"), smaller);
}

TEST_F(ParcelonProgramTest, QuestionsAreAskedOnATerminal) {
    write("data.bin", Numbered(300));
    write("data.bin.001", "old");
    const auto answer = [](const char* typed) {
        return [typed, asked = false](const QString& shown, int) mutable {
            if (asked || !shown.contains(QLatin1String("[y/N]")))
                return QByteArray();
            asked = true;
            return QByteArray(typed);
        };
    };

    ParcelonRun split = RunParcelonOnTerminal(m_folder.path(), {"split", "data.bin", "-s", "100"}, answer("n\n"));
    EXPECT_EQ(split.exitCode, 3);
    EXPECT_TRUE(split.err.contains(QLatin1String("Process was canceled by user."))) << split.err.toStdString();
    EXPECT_EQ(read("data.bin.001"), "old");

    split = RunParcelonOnTerminal(m_folder.path(), {"split", "data.bin", "-s", "100", "--no-batch"}, answer("y\n"));
    EXPECT_EQ(split.exitCode, 0) << split.err.toStdString();
    EXPECT_EQ(read("data.bin.001"), Numbered(100));

    // Ctrl+C while the question waits ends at once, writing nothing more.
    QFile::remove(path("data.bin.002"));
    write("data.bin.001", "old");
    split = RunParcelonOnTerminal(m_folder.path(), {"split", "data.bin", "-s", "100"},
                                  [interrupted = false](const QString& shown, int pid) mutable {
                                      if (!interrupted && shown.contains(QLatin1String("[y/N]")))
                                          interrupted = ::kill(pid, SIGINT) == 0;
                                      return QByteArray();
                                  });
    EXPECT_EQ(split.exitCode, 130);
    EXPECT_EQ(read("data.bin.001"), "old");
    EXPECT_FALSE(exists("data.bin.002"));
}

TEST_F(ParcelonProgramTest, TheJoinOutputCanBeRenamedOnATerminal) {
    write("p.001", "ab");
    write("p.002", "cd");
    write("p", "taken");
    int step = 0;
    const ParcelonRun join =
        RunParcelonOnTerminal(m_folder.path(), {"join", "p.001", "p.002"}, [&step](const QString& shown, int) {
            if (step == 0 && shown.contains(QLatin1String("[y/n/C]"))) {
                ++step;
                return QByteArray("y\n");
            }
            if (step == 1 && shown.contains(QLatin1String("Name: "))) {
                ++step;
                return QByteArray("renamed\n");
            }
            return QByteArray();
        });
    EXPECT_EQ(join.exitCode, 0) << join.err.toStdString();
    EXPECT_EQ(read("p"), "taken");
    EXPECT_EQ(read("renamed"), "abcd");
}

} // namespace

// SIGTERM while the join waits for a FIFO's writer: the parts before it are deleted and named.
// The same join given as a glob would give it afterwards (only the parts still there) resumes.
TEST_F(ParcelonProgramTest, AnInterruptedDeletingJoinIsResumedByTheSameCommand) {
    write("x.001", "one");
    write("x.002", "two");
    ASSERT_EQ(::mkfifo(path("x.003").toLocal8Bit().constData(), 0600), 0);
    write("x.004", "four");
    QProcess first;
    first.setWorkingDirectory(m_folder.path());
    first.start(QStringLiteral(PARCELON_BINARY_DIR "/parcelon"),
                {"join", "x.001", "x.002", "x.003", "x.004", "--delete-parts", "-q"});
    ASSERT_TRUE(first.waitForStarted());
    QElapsedTimer waited;
    waited.start();
    while (read("x") != "onetwo" && waited.elapsed() < 20000)
        QThread::msleep(20);
    QThread::msleep(100); // now blocked in opening the FIFO
    ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
    ASSERT_TRUE(first.waitForFinished(20000));
    const QString told = QString::fromUtf8(first.readAllStandardError());
    EXPECT_EQ(first.exitCode(), 143) << told.toStdString();
    EXPECT_TRUE(told.contains(":\nx.001\nx.002\nRepeat")) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("now only in '%1'").arg(path("x")))) << told.toStdString();
    EXPECT_FALSE(exists("x.001"));

    std::thread writer([&] {
        const int fifo = ::open(path("x.003").toLocal8Bit().constData(), O_WRONLY);
        EXPECT_EQ(::write(fifo, "three", 5), 5);
        ::close(fifo);
    });
    const ParcelonRun again = run({"join", "x.003", "x.004", "--delete-parts", "-y"});
    writer.join();
    EXPECT_EQ(again.exitCode, 1) << again.err.toStdString(); // the FIFO is left
    EXPECT_EQ(read("x"), "onetwothreefour");
    EXPECT_TRUE(again.err.contains("An interrupted join was resumed")) << again.err.toStdString();
    EXPECT_TRUE(again.err.contains(path("x.003") + ": not a regular file")) << again.err.toStdString();
    EXPECT_FALSE(exists("x.004"));
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList({"x", "x.003"}));
}

TEST_F(ParcelonProgramTest, ChecksumFileFollowsTheSettingAndVerifyTellsWhatIsRight) {
    write("data.bin", Numbered(2500));
    m_store.Push("ChecksumFile", "0");
    ASSERT_EQ(run({"split", "data.bin", "-s", "1000", "--no-batch"}).exitCode, 0);
    EXPECT_FALSE(exists("data.bin.sha256"));
    const ParcelonRun split = run({"split", "data.bin", "-s", "1000", "--no-batch", "--checksums", "-y"});
    ASSERT_EQ(split.exitCode, 0) << split.err.toStdString();
    EXPECT_TRUE(exists("data.bin.sha256"));

    const ParcelonRun good = run({"verify", "data.bin.002"});
    EXPECT_EQ(good.exitCode, 0) << good.err.toStdString();
    EXPECT_EQ(good.out, QStringLiteral("data.bin.001: OK\ndata.bin.002: OK\ndata.bin.003: OK\ndata.bin: OK\n"));

    QFile::remove(path("data.bin"));
    QByteArray damaged = read("data.bin.002");
    damaged[500] = static_cast<char>(damaged[500] ^ 1);
    write("data.bin.002", damaged);
    m_store.Push("Language", "2");
    const ParcelonRun bad = run({"verify", "data.bin"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.out,
              QStringLiteral("data.bin.001: OK\ndata.bin.002: FEHLERHAFT\ndata.bin.003: OK\ndata.bin: fehlt\n"));

    write("notes.sha256", "just some words\n");
    const ParcelonRun notChecksums = run({"verify", "notes.sha256"});
    EXPECT_EQ(notChecksums.exitCode, 1);
    EXPECT_TRUE(notChecksums.err.contains(QStringLiteral("keine Prüfsummendatei"))) << notChecksums.err.toStdString();
}

TEST_F(ParcelonProgramTest, AJoinBesideItsChecksumFileIsVerified) {
    const QByteArray original = write("data.bin", Numbered(2500));
    ASSERT_EQ(run({"split", "data.bin", "-s", "1000", "--no-batch", "--checksums"}).exitCode, 0);
    QFile::remove(path("data.bin"));
    const QStringList parts{"join", "data.bin.001", "data.bin.002", "data.bin.003"};

    ParcelonRun join = run(parts + QStringList{"-o", "loud"});
    EXPECT_EQ(join.exitCode, 0) << join.err.toStdString();
    EXPECT_EQ(read("loud"), original);
    EXPECT_EQ(join.out, QStringLiteral("Verified: '%1' matches '%2'.\n").arg(path("loud"), "data.bin.sha256"));
    join = run(parts + QStringList{"-o", "quiet", "-q"});
    EXPECT_EQ(join.exitCode, 0) << join.err.toStdString();
    EXPECT_TRUE(join.out.isEmpty());

    QByteArray damaged = read("data.bin.002");
    damaged[10] = static_cast<char>(damaged[10] ^ 1);
    write("data.bin.002", damaged);
    join = run(parts + QStringList{"-o", "damaged", "--delete-parts"});
    EXPECT_EQ(join.exitCode, 1);
    EXPECT_TRUE(join.err.contains("The part 'data.bin.002' is damaged: it does not match its checksum in "
                                  "'data.bin.sha256'."))
        << join.err.toStdString();
    EXPECT_EQ(read("data.bin.002"), damaged);

    QFile::remove(path("data.bin.003"));
    join = run(parts + QStringList{"-o", "missing"});
    EXPECT_EQ(join.exitCode, 1);
    EXPECT_TRUE(join.err.contains("These parts named in the checksum file 'data.bin.sha256' are missing:\n"
                                  "data.bin.003\nNothing was written."))
        << join.err.toStdString();
    EXPECT_FALSE(exists("missing"));
}
