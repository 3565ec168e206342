#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The Linux file managers' counterparts of a Send To menu: scripts and context menu entries in
// the user's folders that hand the selected files to the program. Written and removed together
// with the "Open with" launcher.
struct FileManagerEntry {
    QString path;
    QString text;
};

// The entries that start programFile, in the folders of the current user.
QList<FileManagerEntry> FileManagerEntries(const QString& programFile);
// Where they are, whichever program they start.
QStringList FileManagerEntryPaths();

// A path as one word of a POSIX shell command line.
QString ShellQuoted(const QString& path);
