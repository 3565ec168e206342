#pragma once

#include "components/core/MainTexts.h"

#include <QString>

// A text in both of the program's languages, for the tables of texts.
struct TextPair {
    const char16_t* german;
    const char16_t* english;
};

// The text in the language of `languageCode` (German for LanguageGerman, English otherwise).
inline QString inLanguage(const TextPair& pair, int languageCode) {
    return QString::fromUtf16(languageCode == LanguageGerman ? pair.german : pair.english);
}
