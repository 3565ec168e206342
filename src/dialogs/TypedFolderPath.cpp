#include "dialogs/TypedFolderPath.h"

#include <QDir>
#include <QFileInfo>

QString absoluteTypedFolder(const QString& typed, const QString& shownFolder) {
    if (typed.isEmpty() || QDir::isAbsolutePath(typed))
        return typed;
    if (typed == u'~')
        return QDir::homePath();
    if (typed.startsWith(QStringLiteral("~/")))
        return QDir::cleanPath(QDir::homePath() + typed.mid(1));
    return QDir::cleanPath(shownFolder + u'/' + typed);
}

QString nearestExistingFolder(const QString& absolutePath) {
    if (!QDir::isAbsolutePath(absolutePath))
        return QDir::homePath();
    QString folder = QDir::cleanPath(absolutePath);
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            return QDir::homePath();
        folder = parent;
    }
    return folder;
}
