#pragma once

#include <QString>

// The absolute folder that a path typed into a folder field names. "~" and "~/..." start at the
// home folder, any other path that is not absolute starts at `shownFolder`; these come back
// cleaned ("a/../b" is "b"). An absolute path comes back as typed, empty text as empty text.
QString absoluteTypedFolder(const QString& typed, const QString& shownFolder);

// The folder itself when it exists, else its nearest existing parent; the home folder when the
// path is empty or not absolute.
QString nearestExistingFolder(const QString& absolutePath);
