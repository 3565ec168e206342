#include "ParcelonRunner.h"
#include "components/core/TBReg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

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
                               "130"})
        EXPECT_TRUE(help.out.contains(QLatin1String(option))) << option;

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

TEST_F(ParcelonProgramTest, ANameABatchFileCannotHoldGetsNoBatchFile) {
    const QString name = QStringLiteral("文書.bin");
    write(name, Numbered(300));
    const ParcelonRun split = run({"split", name, "-s", "100"});
    EXPECT_EQ(split.exitCode, 0) << split.err.toStdString();
    EXPECT_EQ(read(name + ".003").size(), 100);
    EXPECT_FALSE(exists(name + ".bat"));
    EXPECT_TRUE(split.err.startsWith(QStringLiteral("No batch file was written: the name '")))
        << split.err.toStdString();
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
    join = run({"join", "x.001", "x.003", "x.002", "--delete-parts"});
    EXPECT_EQ(join.exitCode, 1);
    EXPECT_EQ(read("x"), "12");
    EXPECT_TRUE(join.err.contains(QStringLiteral("Error: File '") + "x.003" + "' not found.\nThis file was skipped."))
        << join.err.toStdString();
    EXPECT_TRUE(exists("x.001")); // nothing is deleted from a join with a gap
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
