#include "components/core/WholeFileSave.h"

#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

bool syncedToDisk(QSaveFile& file, QString& reason) {
    // The kernel may accept the bytes and only find out at the sync that they have no room.
    if (::fsync(file.handle()) == 0)
        return true;
    reason = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

} // namespace

bool saveWholeFile(const QString& path, const QByteArray& bytes, QString& reason) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!syncedToDisk(file, reason)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}
