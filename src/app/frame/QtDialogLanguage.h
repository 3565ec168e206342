#pragma once

// Qt's own dialogs (the Add dialog, the input box) and the message box buttons in the program's
// language rather than the system's: 1 German, 0 English.
void applyQtDialogLanguage(int languageCode);
