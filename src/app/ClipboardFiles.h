#pragma once

#include <QStringList>

class QMimeData;

// A file list as file managers put it on the clipboard or into a drop: text/uri-list.
// True when the data names at least one local file or folder.
bool HoldsFileList(const QMimeData* data);
// The local paths of the list in its order; remote addresses are left out.
QStringList LocalFileNames(const QMimeData* data);
