#pragma once

#include "components/core/SettingsFileRead.h"
#include "components/core/TBReg.h"

#include <QString>

// The message shown when a save to the settings file could not be made.
QString StoreFailureText(const TBRegWriteFailure& failure, int languageCode);

// The message shown when the settings file exists but cannot be read (read.failed()).
QString StoreReadProblemText(const QString& storePath, const SettingsFileRead& read, int languageCode);
