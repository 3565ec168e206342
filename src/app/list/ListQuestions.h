#pragma once

#include <QString>

// The question before deleting selected files from the list, for one or for several.
QString DeleteQuestionText(int selectedCount, int languageCode);
