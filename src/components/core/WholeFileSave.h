#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at `path` with `bytes` as a whole. Every write, the flush and the sync are
// checked before the new file takes the old one's place, because QSaveFile::commit() alone can
// report success for a small file on a full disk and leave it empty. On any failure the previous
// file stays as it was and `reason` tells why.
bool saveWholeFile(const QString& path, const QByteArray& bytes, QString& reason);
