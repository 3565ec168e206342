#include "app/list/LocalFiles.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

// "copy" or "cut" on the first line, then one URL per line.
QList<QUrl> gnomeCopiedFiles(const QMimeData& data) {
    const QString format = QStringLiteral("x-special/gnome-copied-files");
    if (!data.hasFormat(format))
        return {};
    QStringList lines = QString::fromUtf8(data.data(format)).split(u'\n', Qt::SkipEmptyParts);
    if (!lines.isEmpty())
        lines.removeFirst();
    QList<QUrl> urls;
    for (const QString& line : lines)
        urls.append(QUrl(line.trimmed()));
    return urls;
}

} // namespace

QStringList LocalPaths(const QMimeData& data) {
    const QList<QUrl> urls = data.hasUrls() ? data.urls() : gnomeCopiedFiles(data);
    QStringList paths;
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

QStringList CommandLinePaths(const QStringList& arguments) {
    QStringList paths;
    for (const QString& argument : arguments) {
        const QUrl url(argument, QUrl::StrictMode);
        const bool localUri = argument.startsWith(QLatin1String("file://")) && url.isLocalFile();
        paths.append(localUri && !QFileInfo::exists(argument) ? url.toLocalFile() : argument);
    }
    return paths;
}

QStringList ExistingFiles(const QStringList& paths) {
    QStringList files;
    for (const QString& path : paths) {
        if (QFileInfo(path).isFile())
            files.append(path);
    }
    return files;
}
