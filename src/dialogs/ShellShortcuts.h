#pragma once

#include <QString>
#include <array>

// The places where the program can put a launcher of itself. "Send To" is a launcher that file
// managers offer under "Open with" for any file, with the file managers' scripts and context
// menu entries beside it.
enum class ShortcutKind { SendTo, Desktop, QuickLaunch, StartMenu };

inline constexpr std::array<ShortcutKind, 4> AllShortcutKinds = {ShortcutKind::SendTo, ShortcutKind::Desktop,
                                                                 ShortcutKind::QuickLaunch, ShortcutKind::StartMenu};

// Freedesktop launchers of the program in the user's folders. A launcher exists exactly when its
// file is there; nothing else is stored about it.
class ShellShortcuts {
public:
    // programFolder: the folder of the program file the launchers start, ending with "/".
    explicit ShellShortcuts(QString programFolder);

    // The launcher's full path; empty text when the platform has no folder of that kind.
    static QString launcherPath(ShortcutKind kind);
    static bool isAvailable(ShortcutKind kind) { return !launcherPath(kind).isEmpty(); }
    static bool exists(ShortcutKind kind);

    // Writes the launcher again (so a moved program is picked up), with the program icon beside it.
    bool create(ShortcutKind kind) const;
    // Deletes the launcher's files that are present; the icon goes with the last launcher.
    static bool remove(ShortcutKind kind);
    // Creates or removes the launcher to match the wish. Failures are left for the next look at
    // the folders to show.
    void apply(ShortcutKind kind, bool wanted) const;

    // The launcher file's text.
    QString desktopEntry(ShortcutKind kind) const;
    QString programFile() const;

    // The file name the launchers start, inside the program folder.
    static const QString ProgramFileName;
    // Icon theme name of the program icon, installed with the program and beside the launchers.
    static const QString IconName;
    // The installed desktop entry's name without ".desktop".
    static const QString DesktopId;

private:
    QString m_programFolder;
};

// A path as one argument of a launcher's Exec line: quoted, with the escapes the desktop entry
// format needs inside quotes and inside a string value.
QString ExecArgument(const QString& path);
