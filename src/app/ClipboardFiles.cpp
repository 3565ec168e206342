#include "app/ClipboardFiles.h"

#include <QMimeData>
#include <QUrl>

bool HoldsFileList(const QMimeData* data) {
    return !LocalFileNames(data).isEmpty();
}

QStringList LocalFileNames(const QMimeData* data) {
    QStringList names;
    if (!data || !data->hasUrls())
        return names;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            names.append(url.toLocalFile());
    }
    return names;
}
