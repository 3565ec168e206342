#include "components/core/OperationTexts.h"

#include "components/core/MainTexts.h"
#include "components/core/TextPair.h"

#include <iterator>

namespace {

constexpr TextPair Texts[] = {
    {u"Die Datei '%1' ist eine der Dateien, die gelesen werden ('%2').\nEs wurde nichts geschrieben.",
     u"The file '%1' is one of the files being read ('%2').\nNothing was written."},
    {u"Es wurde keine Batch-Datei erstellt: Der Name '%1' kann nicht sicher in eine Batch-Datei "
     u"geschrieben werden,\n%2.\nDie Teildateien sind vollständig.",
     u"No batch file was written: the name '%1' cannot be written safely into a batch file,\n%2.\n"
     u"The parts are complete."},
    {u"Der Vorgang kann so nicht ausgeführt werden; es wurde nichts geschrieben.",
     u"The operation cannot be carried out as asked; nothing was written."},
    {u"Unter den Dateien wurde keine Teildatei erkannt.\nEs wurde nichts verbunden.",
     u"None of the files was recognised as a part.\nNothing was joined."},
    {u"'%1' und '%2' sind dieselbe Datei; die zweite Teildatei würde die erste überschreiben und wurde "
     u"nicht geschrieben.",
     u"'%1' and '%2' are the same file; the second part would overwrite the first and was not written."},
    {u"denn er enthält ein Anführungszeichen, das die Klammerung des Namens in Anführungszeichen beenden würde",
     u"because it holds a quotation mark, which would end the quotes around the name"},
    {u"denn er enthält * oder ?, die die Befehle als Platzhalter für andere Dateien lesen würden",
     u"because it holds * or ?, which the commands would read as wildcards for other files"},
    {u"denn er enthält einen umgekehrten Schrägstrich, den die Befehle als Ordnertrenner lesen würden",
     u"because it holds a backslash, which the commands would read as a folder separator"},
    {u"denn er enthält ein Steuerzeichen (etwa einen Zeilenumbruch oder Tabulator), das in keiner Befehlszeile "
     u"stehen kann",
     u"because it holds a control character (such as a line break or a tab), which cannot stand in a command "
     u"line"},
    {u"denn er enthält ein Zeichen, das die Codepage 850 der Windows-Eingabeaufforderung nicht kennt",
     u"because it holds a character that code page 850, the one of the Windows command prompt, lacks"},
    {u"Es fehlen Teildateien: %1\n\nMöchten Sie die vorhandenen Teildateien trotzdem verbinden?\n"
     u"(NEIN beendet den Vorgang, ohne etwas zu schreiben.)",
     u"Parts are missing: %1\n\nDo you want to join the parts that are there anyway?\n"
     u"(NO ends the process without writing anything.)"},
    {u"Nicht verbunden, da es keine Teildateien sind, sondern Dateien, die beim Trennen neben sie "
     u"geschrieben werden: %1",
     u"Not joined, as they are not parts but files written beside them by the split: %1"},
    {u"%1 Datei(en) einer früheren Aufteilung derselben Datei wurden entfernt.",
     u"%1 file(s) of an earlier split of the same file were removed."},
    {u"Die Datei endet vor der ersten Dateiposition.\nEs wurde keine Datei erstellt.",
     u"The file ends before the first fileposition.\nNo file was written."},
    {u"Der Name '%1' enthält einen Ordner.\nGeben Sie einen Dateinamen ohne \"/\" ein.",
     u"The name '%1' holds a folder.\nPlease enter a file name without \"/\"."},
};

// One text per OperationText, in the enum's order.
static_assert(std::size(Texts) == static_cast<std::size_t>(OperationText::NameWithFolder) + 1);

} // namespace

QString OperationTextById(OperationText text, int languageCode) {
    const TextPair& pair = Texts[static_cast<int>(text)];
    return inLanguage(pair, languageCode);
}

QString OperationRefusalText(const OperationError& error, int languageCode) {
    const QString path = QString::fromStdString(error.path);
    const QString other = QString::fromStdString(error.inputPath);
    switch (error.kind) {
    case OperationError::Kind::OutputIsInput:
        return OperationTextById(OperationText::OutputIsInput, languageCode).arg(path, other);
    case OperationError::Kind::SameOutputTwice:
        return OperationTextById(OperationText::SameOutputTwice, languageCode).arg(other, path);
    default:
        return OperationTextById(OperationText::InvalidRequest, languageCode);
    }
}
