#include "MainWindowFixture.h"

#include "dialogs/FileManagerEntries.h"
#include "dialogs/ShellShortcuts.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <optional>

namespace {

// A stand-in for the program: it records its folder and arguments, NUL-separated.
const char* const RecordingProgram = "#!/bin/sh\n"
                                     "printf '%s\\0' \"$PWD\" \"$@\" > \"$0.record\"\n";

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The value of the key in the group, as written (the program folders here need no escapes).
QString keyValue(const QString& text, const QString& group, const QString& key) {
    const QString groupStart = u'[' + group + u']';
    bool inGroup = false;
    for (const QString& line : text.split(u'\n')) {
        if (line.startsWith(u'['))
            inGroup = line == groupStart;
        else if (inGroup && line.startsWith(key + u'='))
            return line.mid(key.size() + 1);
    }
    return {};
}

class SendToTest : public MainWindowFixture {
protected:
    // The launchers go to a home of this test's own, so tests running beside it see none of them.
    void SetUp() override {
        ASSERT_TRUE(m_home.isValid());
        for (const char* variable : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
            m_previousEnvironment.append(
                {variable, qEnvironmentVariableIsSet(variable) ? std::optional(qgetenv(variable)) : std::nullopt});
            qputenv(variable, m_home.filePath(QString::fromLatin1(variable)).toLocal8Bit());
        }
        MainWindowFixture::SetUp();
        ASSERT_TRUE(m_programFolder.isValid());
        QFile program(programFile());
        ASSERT_TRUE(program.open(QIODevice::WriteOnly));
        program.write(RecordingProgram);
        program.close();
        ASSERT_TRUE(program.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        // Blanks, both quotes, shell and desktop entry specials, non-ASCII, a leading dash.
        for (const char* name : {"two  blanks.bin", "it's \"quoted\".bin", "Grüße ñ 文書.txt",
                                 "$HOME & 100% `x` a\\b;.iso", "-leading dash.avi.001"})
            m_files.append(file(QString::fromUtf8(name)));
        ASSERT_TRUE(ShellShortcuts(m_programFolder.path() + u'/').create(ShortcutKind::SendTo));
    }

    void TearDown() override {
        ShellShortcuts::remove(ShortcutKind::SendTo);
        for (const auto& [variable, value] : m_previousEnvironment) {
            if (value)
                qputenv(variable, *value);
            else
                qunsetenv(variable);
        }
    }

    QString programFile() const { return m_programFolder.filePath(ShellShortcuts::ProgramFileName); }

    QStringList fileNames() const {
        QStringList names;
        for (const QString& path : m_files)
            names.append(QFileInfo(path).fileName());
        return names;
    }

    // Starts a launcher as a file manager does and answers what the window, started in the same
    // folder with the same arguments, lists.
    QStringList listedAfter(const QString& command, const QStringList& arguments,
                            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        const QString record = programFile() + QStringLiteral(".record");
        QFile::remove(record);
        QProcess launcher;
        launcher.setWorkingDirectory(m_folder.path());
        launcher.setProcessEnvironment(environment);
        launcher.start(command, arguments);
        EXPECT_TRUE(launcher.waitForFinished(30000)) << command.toStdString();
        EXPECT_EQ(launcher.exitCode(), 0) << launcher.readAllStandardError().toStdString();
        // gio launch returns before the program it started has written its record.
        const QDeadlineTimer deadline(30000);
        while (!QFileInfo::exists(record) && !deadline.hasExpired())
            QThread::msleep(20);
        QStringList received = readText(record).split(QChar(0));
        if (received.size() < 2)
            return {QStringLiteral("nothing received")};
        received.removeLast(); // after the last NUL
        const QString startFolder = received.takeFirst();
        const QString previous = QDir::currentPath();
        QDir::setCurrent(startFolder);
        openWindow(received);
        QDir::setCurrent(previous);
        return listedNames();
    }

    // Starts a desktop entry's Exec line with the files, as the desktop's launcher does.
    QStringList listedAfterExecLine(const QString& exec) {
        const QString entry = m_programFolder.filePath(QStringLiteral("action.desktop"));
        QFile file(entry);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(("[Desktop Entry]\nType=Application\nName=Action\nExec=" + exec + "\n").toUtf8());
        file.close();
        return listedAfter(QStringLiteral("gio"), QStringList{QStringLiteral("launch"), entry} + m_files);
    }

    QTemporaryDir m_home;
    QList<std::pair<const char*, std::optional<QByteArray>>> m_previousEnvironment;
    QTemporaryDir m_programFolder;
    QStringList m_files;
};

bool haveGio() {
    return !QStandardPaths::findExecutable(QStringLiteral("gio")).isEmpty();
}

} // namespace

TEST_F(SendToTest, FileManagerScriptsHandOverTheSelectedFilesExactly) {
    const QStringList entries = FileManagerEntryPaths();
    const struct {
        QString script;
        QString variable;
    } managers[] = {{entries[0], QStringLiteral("NAUTILUS_SCRIPT_SELECTED_FILE_PATHS")},
                    {entries[1], QStringLiteral("CAJA_SCRIPT_SELECTED_FILE_PATHS")}};
    for (const auto& manager : managers) {
        SCOPED_TRACE(manager.script.toStdString());
        ASSERT_TRUE(QFileInfo(manager.script).isExecutable());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(manager.variable, m_files.join(u'\n') + u'\n');
        // The file manager runs the script in the files' folder with their names as arguments...
        EXPECT_EQ(listedAfter(manager.script, fileNames(), environment), fileNames());
        // ...and where it gives none, the paths in the environment count.
        EXPECT_EQ(listedAfter(manager.script, {}, environment), fileNames());
    }
}

TEST_F(SendToTest, ANameWithALineBreakArrivesWholeAsAnArgument) {
    const QString broken = file(QStringLiteral("line\nbreak.bin"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("NAUTILUS_SCRIPT_SELECTED_FILE_PATHS"), broken + u'\n');
    EXPECT_EQ(listedAfter(FileManagerEntryPaths()[0], {QStringLiteral("line\nbreak.bin")}, environment),
              QStringList{QStringLiteral("line\nbreak.bin")});
}

TEST_F(SendToTest, OpenWithAndDolphinLaunchersHandOverTheFilesExactly) {
    if (!haveGio())
        GTEST_SKIP() << "gio is not installed";
    EXPECT_EQ(listedAfter(QStringLiteral("gio"),
                          QStringList{QStringLiteral("launch"), ShellShortcuts::launcherPath(ShortcutKind::SendTo)} +
                              m_files),
              fileNames());

    const QString serviceMenu = FileManagerEntryPaths()[3];
    EXPECT_TRUE(QFileInfo(serviceMenu).isExecutable());
    const QString menu = readText(serviceMenu);
    EXPECT_EQ(keyValue(menu, QStringLiteral("Desktop Entry"), QStringLiteral("MimeType")), "all/allfiles;");
    const QString exec = keyValue(menu, QStringLiteral("Desktop Action sendToParcelon"), QStringLiteral("Exec"));
    ASSERT_TRUE(exec.endsWith(QStringLiteral(" %F"))) << exec.toStdString();
    EXPECT_EQ(listedAfterExecLine(exec), fileNames());
}

TEST_F(SendToTest, NemoActionHandsOverTheFilesExactly) {
    const QString action = readText(FileManagerEntryPaths()[2]);
    EXPECT_EQ(keyValue(action, QStringLiteral("Nemo Action"), QStringLiteral("Quote")), "double");
    const QString exec = keyValue(action, QStringLiteral("Nemo Action"), QStringLiteral("Exec"));
    ASSERT_TRUE(exec.endsWith(QStringLiteral(" %U"))) << exec.toStdString();
    // Nemo puts each file's URI in the quotes asked for, separated by blanks, and splits the
    // line as a shell does, without expanding anything.
    QStringList uris;
    for (const QString& path : m_files)
        uris.append(u'"' + QString::fromUtf8(QUrl::fromLocalFile(path).toEncoded()) + u'"');
    const QString line = exec.chopped(2) + uris.join(u' ');
    const QString splitAndRun = QStringLiteral("import os, shlex, sys\n"
                                               "words = shlex.split(sys.argv[1])\n"
                                               "os.execv(words[0], words)\n");
    EXPECT_EQ(listedAfter(QStringLiteral("python3"), {QStringLiteral("-c"), splitAndRun, line}), fileNames());
}

TEST_F(SendToTest, TurningSendToOffRemovesExactlyItsFiles) {
    const QString applications = QFileInfo(ShellShortcuts::launcherPath(ShortcutKind::SendTo)).path();
    QStringList others;
    for (const QString& entry : FileManagerEntryPaths())
        others.append(QFileInfo(entry).path() + QStringLiteral("/Another program"));
    others.append(applications + QStringLiteral("/another-program.desktop"));
    for (const QString& other : others) {
        QFile file(other);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << other.toStdString();
        file.write("[Desktop Entry]\nType=Application\nName=Another program\nExec=true\n");
    }
    const ShellShortcuts shortcuts(m_programFolder.path() + u'/');
    ASSERT_TRUE(shortcuts.create(ShortcutKind::StartMenu));

    ASSERT_TRUE(ShellShortcuts::remove(ShortcutKind::SendTo));
    EXPECT_FALSE(ShellShortcuts::exists(ShortcutKind::SendTo));
    for (const QString& entry : FileManagerEntryPaths())
        EXPECT_FALSE(QFileInfo::exists(entry)) << entry.toStdString();
    for (const QString& other : others)
        EXPECT_TRUE(QFileInfo::exists(other)) << other.toStdString();
    EXPECT_TRUE(ShellShortcuts::exists(ShortcutKind::StartMenu));
    ShellShortcuts::remove(ShortcutKind::StartMenu);
    for (const QString& other : others)
        QFile::remove(other);
}

TEST_F(SendToTest, OpenWithListsTheLauncherForAnyFileOnceTheDatabaseIsRefreshed) {
    if (!haveGio() || QStandardPaths::findExecutable(QStringLiteral("update-desktop-database")).isEmpty())
        GTEST_SKIP() << "gio or update-desktop-database is not installed";
    const auto offered = [] {
        QProcess mime;
        mime.start(QStringLiteral("gio"), {QStringLiteral("mime"), QStringLiteral("application/octet-stream")});
        mime.waitForFinished(30000);
        return QString::fromUtf8(mime.readAllStandardOutput()).contains(QStringLiteral("brimvale-parcelon-open-with"));
    };
    EXPECT_TRUE(offered());
    ShellShortcuts::remove(ShortcutKind::SendTo);
    EXPECT_FALSE(offered());
}
