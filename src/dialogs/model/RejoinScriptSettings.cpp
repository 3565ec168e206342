#include "dialogs/model/RejoinScriptSettings.h"

#include "components/core/MainTexts.h"
#include "dialogs/model/SplitSettings.h"

bool WritesRejoinScript(const SplitSettings& settings) {
    return settings.batchFile && settings.shellScript;
}

RejoinScriptOptions RejoinScriptOptionsFor(const SplitSettings& settings, int languageCode) {
    const TextLanguage language = languageCode == LanguageGerman ? TextLanguage::German : TextLanguage::English;
    return RejoinScriptOptions{settings.batchDeleteParts, settings.batchDeleteItself,
                               defaultRejoinScriptTexts(language)};
}
