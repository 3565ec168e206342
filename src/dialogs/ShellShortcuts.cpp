#include "dialogs/ShellShortcuts.h"

#include "components/core/ProgramIdentity.h"
#include "components/core/TBReg.h"
#include "components/core/WholeFileSave.h"
#include "dialogs/FileManagerEntries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>

const QString ShellShortcuts::ProgramFileName = QStringLiteral("bparcelon");
const QString ShellShortcuts::DesktopId = QStringLiteral("example.brimvale.Parcelon");
// The installed icon has the desktop id as its name, as AppStream wants it.
const QString ShellShortcuts::IconName = ShellShortcuts::DesktopId;

namespace {

// Send To and the start menu may share the applications folder, so their files differ in name.
// The start menu entry has the installed entry's desktop id, so that it takes that entry's place
// in the user's menu instead of showing a second one.
QString launcherFileName(ShortcutKind kind) {
    switch (kind) {
    case ShortcutKind::SendTo:
        return QStringLiteral("brimvale-parcelon-open-with.desktop");
    case ShortcutKind::StartMenu:
        return ShellShortcuts::DesktopId + QStringLiteral(".desktop");
    default:
        return QStringLiteral("brimvale-parcelon.desktop");
    }
}

QString folderOf(ShortcutKind kind) {
    switch (kind) {
    case ShortcutKind::SendTo:
        return TBReg::GetDirSendTo();
    case ShortcutKind::Desktop:
        return TBReg::GetDirDesktop();
    case ShortcutKind::QuickLaunch:
        return TBReg::GetDirQuickLaunch();
    case ShortcutKind::StartMenu:
        return TBReg::GetDirStartMenu();
    }
    return {};
}

// The program icon in every size the resources hold, as (size, resource path).
QList<std::pair<int, QString>> iconResources() {
    static const QRegularExpression sizedIcon(QStringLiteral("^parcelon-(\\d+)\\.png$"));
    QList<std::pair<int, QString>> icons;
    for (const QString& name : QDir(QStringLiteral(":/")).entryList(QDir::Files)) {
        const QRegularExpressionMatch match = sizedIcon.match(name);
        if (match.hasMatch())
            icons.append({match.captured(1).toInt(), QStringLiteral(":/") + name});
    }
    return icons;
}

QString installedIconPath(int size) {
    return QStringLiteral("%1/icons/hicolor/%2x%2/apps/%3.png")
        .arg(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .arg(size)
        .arg(ShellShortcuts::IconName);
}

// The icon theme finds the program icon under the user's data folder, in every size we have.
void installIcon() {
    for (const auto& [size, resource] : iconResources()) {
        const QString target = installedIconPath(size);
        QDir().mkpath(QFileInfo(target).path());
        QFile::remove(target);
        QFile::copy(resource, target);
        // Copies of resources come out read-only; a later install must be able to replace them.
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                          QFileDevice::ReadOther);
    }
}

void removeIcon() {
    for (const auto& icon : iconResources())
        QFile::remove(installedIconPath(icon.first));
}

// Executable, as desktops want launchers outside the menu folders and file managers their scripts.
bool writeExecutable(const QString& path, const QString& text) {
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    QString reason;
    if (!saveWholeFile(path, text.toUtf8(), reason))
        return false;
    return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                           QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                           QFileDevice::ExeOther);
}

// The "Open with" lists read the folder's MIME cache, not the launchers themselves.
void refreshDesktopDatabase(const QString& launcher) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
    if (tool.isEmpty())
        return;
    QProcess update;
    update.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    update.start(tool, {QFileInfo(launcher).path()});
    update.waitForFinished(30000);
}

// Escapes of a desktop entry string value.
QString escapeStringValue(const QString& text) {
    QString escaped;
    for (const QChar c : text) {
        if (c == u'\\')
            escaped += QStringLiteral("\\\\");
        else if (c == u'\n')
            escaped += QStringLiteral("\\n");
        else if (c == u'\t')
            escaped += QStringLiteral("\\t");
        else if (c == u'\r')
            escaped += QStringLiteral("\\r");
        else
            escaped += c;
    }
    return escaped;
}

} // namespace

QString ExecArgument(const QString& path) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        // A lone "%" would start a field code.
        if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    quoted += u'"';
    // The string value escapes come on top of the quoting, so a backslash ends up fourfold.
    return escapeStringValue(quoted);
}

ShellShortcuts::ShellShortcuts(QString programFolder)
    : m_programFolder(std::move(programFolder)) {}

QString ShellShortcuts::launcherPath(ShortcutKind kind) {
    const QString folder = folderOf(kind);
    return folder.isEmpty() ? QString() : folder + launcherFileName(kind);
}

bool ShellShortcuts::exists(ShortcutKind kind) {
    const QString path = launcherPath(kind);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString ShellShortcuts::programFile() const {
    return m_programFolder + ProgramFileName;
}

QString ShellShortcuts::desktopEntry(ShortcutKind kind) const {
    QString entry = QStringLiteral("[Desktop Entry]\n"
                                   "Type=Application\n"
                                   "Name=%1\n"
                                   "Comment=Split files into parts and join them again\n"
                                   "Comment[de]=Dateien in Teile trennen und wieder verbinden\n"
                                   "Icon=%2\n"
                                   "Exec=%3 %F\n"
                                   "Terminal=false\n")
                        .arg(escapeStringValue(ProgramIdentity::Name), IconName, ExecArgument(programFile()));
    if (kind == ShortcutKind::SendTo) {
        // Offered for every file under "Open with", but no second menu entry.
        entry += QStringLiteral("MimeType=application/octet-stream;\n"
                                "NoDisplay=true\n");
    } else {
        // What the installed menu entry says, since this one takes its place for the user.
        entry += QStringLiteral("GenericName=File Splitter\n"
                                "GenericName[de]=Dateiteiler\n"
                                "Categories=Utility;FileTools;\n"
                                "Keywords=split;join;parts;merge;rejoin;batch;floppy;\n"
                                "Keywords[de]=teilen;trennen;verbinden;zusammenfügen;Teile;Stapeldatei;Diskette;\n");
    }
    return entry;
}

bool ShellShortcuts::create(ShortcutKind kind) const {
    const QString path = launcherPath(kind);
    if (path.isEmpty())
        return false;
    installIcon();
    bool written = writeExecutable(path, desktopEntry(kind));
    if (kind == ShortcutKind::SendTo) {
        for (const FileManagerEntry& entry : FileManagerEntries(programFile()))
            written = writeExecutable(entry.path, entry.text) && written;
        refreshDesktopDatabase(path);
    }
    return written;
}

bool ShellShortcuts::remove(ShortcutKind kind) {
    const QString path = launcherPath(kind);
    if (path.isEmpty())
        return true;
    QStringList files{path};
    if (kind == ShortcutKind::SendTo)
        files += FileManagerEntryPaths();
    const bool launcherWasThere = QFileInfo(path).isFile();
    bool removed = true;
    for (const QString& file : files) {
        if (QFileInfo(file).isFile())
            removed = QFile::remove(file) && removed;
    }
    if (kind == ShortcutKind::SendTo && launcherWasThere)
        refreshDesktopDatabase(path);
    if (std::none_of(AllShortcutKinds.begin(), AllShortcutKinds.end(), &ShellShortcuts::exists))
        removeIcon();
    return removed;
}

void ShellShortcuts::apply(ShortcutKind kind, bool wanted) const {
    if (wanted)
        create(kind);
    else
        remove(kind);
}
