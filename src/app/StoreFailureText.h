#pragma once

#include <QString>

// The message shown when a setting could not be written to the settings file.
QString StoreFailureText(const QString& valueName, const QString& storePath, int languageCode);
