#include "components/core/MainTexts.h"

#include "components/core/ProgramIdentity.h"

#include <array>

namespace {
struct TextPair {
    QString german;
    QString english;
};

// Kept word for word, misspellings included: users and their batch files know these texts.
const std::array<TextPair, 32>& mainTexts() {
    static const std::array<TextPair, 32> texts{{
        {QStringLiteral("dd.mm.yy hh:nn"), QStringLiteral("mm.dd.yy hh:nn")},
        {ProgramIdentity::WebAddressGerman, ProgramIdentity::WebAddressEnglish},
        {QStringLiteral("Die Datei muß mindestens in 2 Teildateien geteilt werden.\n"
                        "Bitte überprüfen Sie die Einstellungen."),
         QStringLiteral("File mußt be splitted in 2 or more files.\nPlease check the settings.")},
        {QStringLiteral("Die Datei '"), QStringLiteral("The file '")},
        {QStringLiteral("' existiert bereits.\n"
                        "Möchten Sie fortfahren und diese sowie alle weiteren Dateien überschreiben?"),
         QStringLiteral("' allready exists.\nDo you want to proceed and overwrite this and all following files?")},
        {QStringLiteral("echo --  Brimvale Parcelon 1.4 --"), QStringLiteral("echo --  Brimvale Parcelon 1.4 --")},
        {QStringLiteral("echo WEB    : ") + ProgramIdentity::WebAddressGerman,
         QStringLiteral("echo WEB   : ") + ProgramIdentity::WebAddressEnglish},
        {QStringLiteral("echo    Drücken Sie eine Taste, um"), QStringLiteral("echo      Hit any key to merge")},
        {QStringLiteral("echo    die Datei wieder zusammen-"), QStringLiteral("echo            the files")},
        {QStringLiteral("echo            zusetzen."), QStringLiteral("echo")},
        {QStringLiteral("Datei(en) hinzufügen"), QStringLiteral("Add file(s)")},
        {QStringLiteral("Möchten Sie "), QStringLiteral("Do you really want to delete ")},
        {QStringLiteral(" Datei wirklich aus der Liste löschen?"), QStringLiteral("  file from list?")},
        {QStringLiteral("Möchten Sie alle "), QStringLiteral("Do you really want to delete all ")},
        {QStringLiteral(" Dateien wirklich aus der Liste löschen?"), QStringLiteral(" files from list?")},
        {ProgramIdentity::Name, ProgramIdentity::Name},
        {ProgramIdentity::Version, ProgramIdentity::Version},
        {ProgramIdentity::MessageTitle, ProgramIdentity::MessageTitle},
        {QStringLiteral(" Datei(en) gewählt"), QStringLiteral(" File(s) selected")},
        {QStringLiteral(" Datei(en) in der Liste"), QStringLiteral(" File(s) in list")},
        {QStringLiteral("' existiert bereits.\n\nMöchten Sie einen neuen Namen wählen?\n"
                        "(NEIN überschreibt die bestehende Datei, ABBRECHEN bricht den Vorgang ab.)"),
         QStringLiteral("' allready exists.\n\nDo you want to rename the file?\n"
                        "(NO overwrites the existing file, CANCEL stops the process.)")},
        {QStringLiteral("Geben Sie einen neuen Dateinamen ein"), QStringLiteral("Enter a new filename")},
        {QStringLiteral("Name"), QStringLiteral("Name")},
        {QStringLiteral("Datei '"), QStringLiteral("File '")},
        {QStringLiteral("' existiert nicht.\nDatei wurde ausgelassen."),
         QStringLiteral("' not found.\nThis file was skipped.")},
        {QStringLiteral("Fehler"), QStringLiteral("Error")},
        {QStringLiteral("Der Vorgang wurde abgebrochen.\n"
                        "Die Dateien sind höchstwahrscheinlich nicht korrekt/vollständig.\n\n"
                        "Bitte wiederholen Sie den Vorgang!"),
         QStringLiteral("Process was canceled by user.\nThe files cannot be created corretly.\n\n"
                        "Please repeat the process")},
        {QStringLiteral("Möchten Sie die komplette Dateiliste löschen?"),
         QStringLiteral("Do you really want to clear the whole list?")},
        {ProgramIdentity::FeedbackMailGerman, ProgramIdentity::FeedbackMailEnglish},
        // The refusal is shown in the language the user asked for, hence the swapped columns.
        {QStringLiteral("You cannot change the language while there are files in the list!"),
         QStringLiteral("Sie können die Sprache nicht ändern, solange Dateien in der Liste sind!")},
        {QStringLiteral("Nicht genügend Speicherplatz auf dem Ziellaufwerk."),
         QStringLiteral("There is not enough free disk space on the destination drive.")},
        {QStringLiteral("Beim Speichern der Datei ist ein Fehler aufgetreten.\n"
                        "Überprüfen Sie ob das Ziellaufwerk verfügbar ist\n"
                        "und ob genug Speicherplatz vorhanden ist und versuchen\nSie es erneut."),
         QStringLiteral("An Error occured while writing the current file.\n"
                        "Please check if destination drive is ready and if\n"
                        "there is enough space on it than try again.")},
    }};
    return texts;
}
} // namespace

QString TextById(int id, int languageCode) {
    if (id < 1 || id > static_cast<int>(mainTexts().size()))
        return {};
    const TextPair& pair = mainTexts()[static_cast<std::size_t>(id - 1)];
    return languageCode == LanguageGerman ? pair.german : pair.english;
}
