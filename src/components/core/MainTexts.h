#pragma once

#include <QString>

// Language codes shared by every window, the command-line tool and the batch file texts.
enum LanguageCodes : int {
    LanguageEnglish = 0,
    LanguageGerman = 1,
};

// The main window's numbered texts (ids 1 to 32), German for languageCode 1 and English
// otherwise; empty text for any other id. Messages are composed by concatenating these.
QString TextById(int id, int languageCode);
