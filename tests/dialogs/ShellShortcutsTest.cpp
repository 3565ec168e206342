#include "dialogs/ShellShortcuts.h"

#include "support/QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// desktop-file-validate's verdict: empty text when it accepts the file.
QString validatorComplaints(const QString& path) {
    QProcess validator;
    validator.start(QStringLiteral("desktop-file-validate"), {path});
    if (!validator.waitForFinished(30000))
        return QStringLiteral("validator did not finish");
    const QString output = QString::fromUtf8(validator.readAllStandardOutput() + validator.readAllStandardError());
    if (validator.exitCode() != 0)
        return output.isEmpty() ? QStringLiteral("validator failed") : output;
    return output;
}

class ShellShortcutsTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (ShortcutKind kind : AllShortcutKinds)
            ShellShortcuts::remove(kind);
    }
};

} // namespace

TEST_F(ShellShortcutsTest, LaunchersLiveInTheUsersFoldersUnderDistinctNames) {
    const QString applications = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation) + "/";
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + "/";
    EXPECT_TRUE(ShellShortcuts::launcherPath(ShortcutKind::Desktop).startsWith(desktop));
    EXPECT_TRUE(ShellShortcuts::launcherPath(ShortcutKind::StartMenu).startsWith(applications));
    EXPECT_TRUE(ShellShortcuts::launcherPath(ShortcutKind::SendTo).startsWith(applications));
    EXPECT_NE(ShellShortcuts::launcherPath(ShortcutKind::SendTo),
              ShellShortcuts::launcherPath(ShortcutKind::StartMenu));
    for (ShortcutKind kind : {ShortcutKind::SendTo, ShortcutKind::Desktop, ShortcutKind::StartMenu})
        EXPECT_TRUE(ShellShortcuts::launcherPath(kind).endsWith(".desktop"));
    // The menu entry takes the installed entry's place for the user.
    EXPECT_EQ(ShellShortcuts::launcherPath(ShortcutKind::StartMenu),
              applications + "example.brimvale.Parcelon.desktop");
}

TEST_F(ShellShortcutsTest, CreatedLaunchersAreValidAndStartTheProgram) {
    if (QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed";
    const ShellShortcuts shortcuts(QStringLiteral("/opt/brimvale/"));
    for (ShortcutKind kind : {ShortcutKind::SendTo, ShortcutKind::Desktop, ShortcutKind::StartMenu}) {
        SCOPED_TRACE(static_cast<int>(kind));
        EXPECT_FALSE(ShellShortcuts::exists(kind));
        ASSERT_TRUE(shortcuts.create(kind));
        EXPECT_TRUE(ShellShortcuts::exists(kind));
        const QString path = ShellShortcuts::launcherPath(kind);
        EXPECT_EQ(validatorComplaints(path), QString());
        const QString text = readText(path);
        EXPECT_TRUE(text.contains("\nName=Brimvale Parcelon\n"));
        EXPECT_TRUE(text.contains("\nExec=\"/opt/brimvale/bparcelon\" %F\n"));
        EXPECT_TRUE(text.contains("\nIcon=" + ShellShortcuts::IconName + "\n"));
        EXPECT_TRUE(QFileInfo(path).isExecutable());
    }
    // The menu entry finds the program by the same words as the installed entry.
    const QString installed = readText(PARCELON_SOURCE_DIR "/data/example.brimvale.Parcelon.desktop");
    const QString menu = readText(ShellShortcuts::launcherPath(ShortcutKind::StartMenu));
    for (const QString& line : installed.split(u'\n')) {
        if (line.startsWith("Keywords") || line.startsWith("Categories=") || line.startsWith("GenericName")) {
            EXPECT_TRUE(menu.contains(u'\n' + line + u'\n')) << line.toStdString();
        }
    }
    const QString sendTo = readText(ShellShortcuts::launcherPath(ShortcutKind::SendTo));
    EXPECT_TRUE(sendTo.contains("\nMimeType=application/octet-stream;\n"));
    EXPECT_TRUE(sendTo.contains("\nNoDisplay=true\n"));
}

TEST_F(ShellShortcutsTest, ProgramFoldersWithAwkwardCharactersStayOneValidArgument) {
    if (QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed";
    const ShellShortcuts shortcuts(QStringLiteral("/home/u/My \"Tools\" $HOME 100% `x` a\\b/"));
    ASSERT_TRUE(shortcuts.create(ShortcutKind::Desktop));
    EXPECT_EQ(validatorComplaints(ShellShortcuts::launcherPath(ShortcutKind::Desktop)), QString());
}

TEST(ExecArgumentTest, QuotesAndEscapesForTheExecLine) {
    const struct {
        QString path;
        QString expected;
    } cases[] = {
        {"/opt/bparcelon", "\"/opt/bparcelon\""}, {"/my tools/bparcelon", "\"/my tools/bparcelon\""},
        {"/a\"b/p", "\"/a\\\\\"b/p\""},           {"/$HOME/p", "\"/\\\\$HOME/p\""},
        {"/`x`/p", "\"/\\\\`x\\\\`/p\""},         {"/100%/p", "\"/100%%/p\""},
        {"/a\\b/p", "\"/a\\\\\\\\b/p\""},         {"/a\nb/p", "\"/a\\nb/p\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExecArgument(c.path), c.expected) << c.path.toStdString();
}

TEST_F(ShellShortcutsTest, OkRewritesAnExistingLauncherForAMovedProgram) {
    ShellShortcuts(QStringLiteral("/old/place/")).apply(ShortcutKind::StartMenu, true);
    ShellShortcuts(QStringLiteral("/new/place/")).apply(ShortcutKind::StartMenu, true);
    const QString text = readText(ShellShortcuts::launcherPath(ShortcutKind::StartMenu));
    EXPECT_TRUE(text.contains("Exec=\"/new/place/bparcelon\""));
    EXPECT_FALSE(text.contains("/old/place/"));
}

TEST_F(ShellShortcutsTest, UncheckedRemovesOnlyItsOwnLauncher) {
    const ShellShortcuts shortcuts(QStringLiteral("/opt/brimvale/"));
    shortcuts.apply(ShortcutKind::SendTo, true);
    shortcuts.apply(ShortcutKind::StartMenu, true);
    shortcuts.apply(ShortcutKind::StartMenu, false);
    EXPECT_FALSE(ShellShortcuts::exists(ShortcutKind::StartMenu));
    EXPECT_TRUE(ShellShortcuts::exists(ShortcutKind::SendTo));
    // Removing what is not there is no failure.
    EXPECT_TRUE(ShellShortcuts::remove(ShortcutKind::Desktop));
}

TEST_F(ShellShortcutsTest, ALauncherDeletedByHandReadsAsAbsent) {
    ShellShortcuts(QStringLiteral("/opt/brimvale/")).apply(ShortcutKind::Desktop, true);
    ASSERT_TRUE(QFile::remove(ShellShortcuts::launcherPath(ShortcutKind::Desktop)));
    EXPECT_FALSE(ShellShortcuts::exists(ShortcutKind::Desktop));
}

TEST_F(ShellShortcutsTest, QuickLaunchHasNoFolderAndWritesNothing) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(work.path());
    EXPECT_FALSE(ShellShortcuts::isAvailable(ShortcutKind::QuickLaunch));
    EXPECT_FALSE(ShellShortcuts(QStringLiteral("/opt/brimvale/")).create(ShortcutKind::QuickLaunch));
    EXPECT_FALSE(ShellShortcuts::exists(ShortcutKind::QuickLaunch));
    EXPECT_TRUE(QDir(work.path()).isEmpty());
    QDir::setCurrent(previous);
}

TEST_F(ShellShortcutsTest, TheProgramIconComesWithTheFirstLauncherAndGoesWithTheLast) {
    const QString icon = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         "/icons/hicolor/48x48/apps/" + ShellShortcuts::IconName + ".png";
    const ShellShortcuts shortcuts(QStringLiteral("/opt/brimvale/"));
    shortcuts.apply(ShortcutKind::Desktop, true);
    shortcuts.apply(ShortcutKind::SendTo, true);
    EXPECT_FALSE(QImage(icon).isNull());
    shortcuts.apply(ShortcutKind::Desktop, false);
    EXPECT_TRUE(QFileInfo::exists(icon));
    shortcuts.apply(ShortcutKind::SendTo, false);
    EXPECT_FALSE(QFileInfo::exists(icon));
}
