#include "dialogs/FileManagerEntries.h"

#include "dialogs/ShellShortcuts.h"

#include <QStandardPaths>

namespace {

QString dataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString configFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// The arguments name the files exactly, relative to the folder the file manager runs the script
// in; the newline-separated list in the environment is taken only when there are none. A name
// starting with "-" gets "./" so that the program does not read it as an option.
QString selectedFilesScript(const QString& programFile, const QString& pathsVariable) {
    return QStringLiteral("#!/bin/sh\n"
                          "# Hands the files selected in the file manager to Brimvale Parcelon.\n"
                          "if [ \"$#\" -eq 0 ] && [ -n \"${%1:-}\" ]; then\n"
                          "    IFS='\n"
                          "'\n"
                          "    set -f\n"
                          "    set -- $%1\n"
                          "fi\n"
                          "for file do\n"
                          "    shift\n"
                          "    case $file in\n"
                          "    -*) file=./$file ;;\n"
                          "    esac\n"
                          "    set -- \"$@\" \"$file\"\n"
                          "done\n"
                          "exec %2 \"$@\"\n")
        .arg(pathsVariable, ShellQuoted(programFile));
}

// Nemo puts the selection in place of %U, each URI in the quotes asked for, and splits the line
// as a shell would. URIs carry no blank, quote or backslash unescaped except "'", which double
// quotes keep; the program takes "file://" URIs as paths.
QString nemoAction(const QString& programFile) {
    return QStringLiteral("[Nemo Action]\n"
                          "Name=Brimvale Parcelon\n"
                          "Comment=Send the selected files to Brimvale Parcelon\n"
                          "Comment[de]=Die gewählten Dateien an Brimvale Parcelon senden\n"
                          "Icon-Name=%1\n"
                          "Exec=%2 %U\n"
                          "Quote=double\n"
                          "Selection=notnone\n"
                          "Extensions=nodirs;\n")
        .arg(ShellShortcuts::IconName, ExecArgument(programFile));
}

// KDE shows a service menu only when its file is executable; all/allfiles offers it for every file.
QString dolphinServiceMenu(const QString& programFile) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Service\n"
                          "MimeType=all/allfiles;\n"
                          "X-KDE-ServiceTypes=KonqPopupMenu/Plugin\n"
                          "Actions=sendToParcelon;\n"
                          "\n"
                          "[Desktop Action sendToParcelon]\n"
                          "Name=Send to Brimvale Parcelon\n"
                          "Name[de]=An Brimvale Parcelon senden\n"
                          "Icon=%1\n"
                          "Exec=%2 %F\n")
        .arg(ShellShortcuts::IconName, ExecArgument(programFile));
}

} // namespace

QString ShellQuoted(const QString& path) {
    QString quoted = path;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + quoted + u'\'';
}

QStringList FileManagerEntryPaths() {
    const QString scriptName = QStringLiteral("/scripts/Brimvale Parcelon");
    return {
        dataFolder() + QStringLiteral("/nautilus") + scriptName,
        configFolder() + QStringLiteral("/caja") + scriptName,
        dataFolder() + QStringLiteral("/nemo/actions/brimvale-parcelon.nemo_action"),
        dataFolder() + QStringLiteral("/kio/servicemenus/brimvale-parcelon.desktop"),
    };
}

// In the order of FileManagerEntryPaths.
QList<FileManagerEntry> FileManagerEntries(const QString& programFile) {
    const QStringList texts{
        selectedFilesScript(programFile, QStringLiteral("NAUTILUS_SCRIPT_SELECTED_FILE_PATHS")),
        selectedFilesScript(programFile, QStringLiteral("CAJA_SCRIPT_SELECTED_FILE_PATHS")),
        nemoAction(programFile),
        dolphinServiceMenu(programFile),
    };
    const QStringList paths = FileManagerEntryPaths();
    QList<FileManagerEntry> entries;
    for (qsizetype i = 0; i < paths.size(); ++i)
        entries.append({paths[i], texts[i]});
    return entries;
}
