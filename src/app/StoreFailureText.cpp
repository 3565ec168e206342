#include "app/StoreFailureText.h"

#include "components/core/MainTexts.h"

QString StoreFailureText(const QString& valueName, const QString& storePath, int languageCode) {
    if (languageCode == LanguageGerman)
        return QStringLiteral("Die Einstellung '%1' konnte nicht in '%2' gespeichert werden.")
            .arg(valueName, storePath);
    return QStringLiteral("The setting '%1' could not be saved in '%2'.").arg(valueName, storePath);
}
