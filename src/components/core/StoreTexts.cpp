#include "components/core/StoreTexts.h"

#include "components/core/MainTexts.h"

namespace {

QString pick(int languageCode, const char16_t* german, const char16_t* english) {
    return QString::fromUtf16(languageCode == LanguageGerman ? german : english);
}

QString reasonText(bool notRegularFile, const QString& systemReason, int languageCode) {
    if (notRegularFile)
        return pick(languageCode, u"das ist keine gewöhnliche Datei", u"it is not a regular file");
    return systemReason;
}

} // namespace

QString StoreFailureText(const TBRegWriteFailure& failure, int languageCode) {
    const QString reason = reasonText(failure.storeNotRegularFile, failure.systemReason, languageCode);
    if (failure.valueNames.size() == 1)
        return pick(languageCode, u"Die Einstellung '%1' konnte nicht in '%2' gespeichert werden (%3).",
                    u"The setting '%1' could not be saved in '%2' (%3).")
            .arg(failure.valueNames.front(), failure.storePath, reason);
    return pick(languageCode, u"Die Einstellungen konnten nicht in '%1' gespeichert werden (%2).",
                u"The settings could not be saved in '%1' (%2).")
        .arg(failure.storePath, reason);
}

QString StoreReadProblemText(const QString& storePath, const SettingsFileRead& read, int languageCode) {
    const QString reason =
        reasonText(read.state == SettingsFileRead::State::NotRegularFile, read.systemReason, languageCode);
    return pick(languageCode,
                u"Die Einstellungen in '%1' können nicht gelesen werden (%2).\n"
                u"Es gelten die Voreinstellungen, und Änderungen werden dort nicht gespeichert.",
                u"The settings in '%1' cannot be read (%2).\nThe defaults apply, and changes are not saved there.")
        .arg(storePath, reason);
}
