#include "cli/HelpText.h"

#include "components/core/MainTexts.h"

std::string HelpText(int languageCode) {
    return languageCode == LanguageGerman ? GermanHelpText() : EnglishHelpText();
}

std::string UsageHint(int languageCode) {
    return languageCode == LanguageGerman ? "Mehr dazu zeigt 'parcelon --help'.\n"
                                          : "Try 'parcelon --help' for more information.\n";
}
