#include "engine/RejoinScriptTexts.h"

RejoinScriptTexts defaultRejoinScriptTexts(TextLanguage language) {
    if (language == TextLanguage::German) {
        return {
            "Setze die Datei aus {count} Teildateien zusammen:",
            "Kann nicht in den Ordner wechseln:",
            "Teildatei nicht gefunden:",
            "In diesem Ordner kann keine temporäre Datei angelegt werden:",
            "Kopieren fehlgeschlagen (ist der Datenträger voll?).",
            "Prüfe die zusammengesetzte Datei mit",
            "Weder sha256sum noch shasum wurde gefunden; die zusammengesetzte Datei wird nicht geprüft.",
            "Die Prüfsummendatei enthält keine gültige Prüfsumme der Datei:",
            "Die Prüfsumme konnte nicht berechnet werden.",
            "Die zusammengesetzte Datei stimmt nicht mit der Prüfsumme überein; sie wurde verworfen:",
            "Prüfsumme stimmt.",
            "Ein Ordner trägt den Namen der Datei:",
            "Die zusammengesetzte Datei konnte nicht umbenannt werden in:",
            "Zusammengesetzt:",
            "Nicht jede Teildatei konnte gelöscht werden.",
            "Abgebrochen.",
            "Es wurde nichts gelöscht; die Teildateien bleiben erhalten.",
        };
    }
    return {
        "Rebuilding the file from {count} parts:",
        "Cannot change to the folder:",
        "Part file not found:",
        "Cannot create a temporary file in this folder:",
        "Copying failed (is the disk full?).",
        "Checking the rebuilt file with",
        "Neither sha256sum nor shasum was found; the rebuilt file is not checked.",
        "The checksum file holds no valid checksum of the file:",
        "The checksum could not be computed.",
        "The rebuilt file does not match its checksum; it was discarded:",
        "Checksum correct.",
        "A folder has the name of the file:",
        "The rebuilt file could not be renamed to:",
        "Rebuilt:",
        "Not every part could be deleted.",
        "Interrupted.",
        "Nothing was deleted; the parts are kept.",
    };
}
