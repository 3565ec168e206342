#include "cli/CliTexts.h"

#include "components/core/MainTexts.h"

#include <array>

namespace {

struct TextPair {
    const char16_t* german;
    const char16_t* english;
};

constexpr std::array<TextPair, 10> Messages{{
    {u"' existiert bereits, und ohne Terminal kann nicht nachgefragt werden.\n"
     u"Mit -y wird sie überschrieben.",
     u"' already exists, and without a terminal there is no one to ask.\nGive -y to overwrite it."},
    {u"Die Datei '%1' ist eine der Dateien, die gelesen werden ('%2').\nEs wurde nichts geschrieben.",
     u"The file '%1' is one of the files being read ('%2').\nNothing was written."},
    {u"Es wurde keine Batch-Datei erstellt: Der Name '%1' kann nicht sicher in eine Batch-Datei "
     u"geschrieben werden\n(er enthält ein Anführungszeichen, ein Steuerzeichen oder ein Zeichen, das der "
     u"Zeichensatz der Batch-Datei nicht kennt).\nDie Teildateien sind vollständig.",
     u"No batch file was written: the name '%1' cannot be written safely into a batch file\n"
     u"(it holds a quotation mark, a control character or a character the batch file's code page "
     u"lacks).\nThe parts are complete."},
    {u"Die Reihenfolge der Teildateien ist unklar; sie werden in der angegebenen Reihenfolge verbunden.",
     u"The order of the parts is unclear; they are joined in the order given."},
    {u"Die Dateiposition %1 liegt nicht vor dem Dateiende (%2 Bytes).",
     u"The position %1 does not lie before the end of the file (%2 bytes)."},
    {u"Die Dateipositionen müssen aufsteigen: %1 folgt auf %2.", u"The positions must rise: %1 follows %2."},
    {u"Die Längen ergeben zusammen %1 Bytes und erreichen damit das Dateiende (%2 Bytes).",
     u"The lengths add up to %1 bytes and so reach the end of the file (%2 bytes)."},
    {u" [j/N] ", u" [y/N] "},
    {u" [j/n/A] ", u" [y/n/C] "},
    {u"Der Vorgang kann so nicht ausgeführt werden; es wurde nichts geschrieben.",
     u"The operation cannot be carried out as asked; nothing was written."},
}};

} // namespace

QString MainText(int id, int languageCode) {
    return TextById(id, languageCode);
}

QString CliText(CliMessage message, int languageCode) {
    const TextPair& pair = Messages[static_cast<std::size_t>(message)];
    return QString::fromUtf16(languageCode == LanguageGerman ? pair.german : pair.english);
}

bool IsYesAnswer(const QString& answer) {
    const QString word = answer.trimmed().toLower();
    return word == u"y" || word == u"yes" || word == u"j" || word == u"ja";
}

bool IsNoAnswer(const QString& answer) {
    const QString word = answer.trimmed().toLower();
    return word == u"n" || word == u"no" || word == u"nein";
}
