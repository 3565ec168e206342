#pragma once

#include <QStringList>

class QMimeData;

// The local paths named by dropped or copied data (text/uri-list, or the GNOME file managers'
// copied-files list), in their order. Other URLs are left out.
QStringList LocalPaths(const QMimeData& data);

// Command-line arguments as paths: a file manager may hand over "file://" URIs instead of paths.
// An argument that names an existing file stays as it is.
QStringList CommandLinePaths(const QStringList& arguments);

// Those of the paths that name an existing file; folders and vanished names are left out.
QStringList ExistingFiles(const QStringList& paths);
