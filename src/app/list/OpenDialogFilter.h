#pragma once

#include <QString>

// The Add dialog's filter ("All Files (*.*)|*.*": description and pattern pairs separated by
// "|") in the file dialog's form. "*.*" means every file, also names without a dot.
QString FileDialogFilter(const QString& filterText);
