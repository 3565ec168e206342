#include "components/core/OperationTexts.h"

#include "components/core/MainTexts.h"

namespace {

struct TextPair {
    const char16_t* german;
    const char16_t* english;
};

constexpr TextPair Texts[] = {
    {u"Die Datei '%1' ist eine der Dateien, die gelesen werden ('%2').\nEs wurde nichts geschrieben.",
     u"The file '%1' is one of the files being read ('%2').\nNothing was written."},
    {u"Es wurde keine Batch-Datei erstellt: Der Name '%1' kann nicht sicher in eine Batch-Datei "
     u"geschrieben werden\n(er enthält ein Anführungszeichen, ein Steuerzeichen oder ein Zeichen, das der "
     u"Zeichensatz der Batch-Datei nicht kennt).\nDie Teildateien sind vollständig.",
     u"No batch file was written: the name '%1' cannot be written safely into a batch file\n"
     u"(it holds a quotation mark, a control character or a character the batch file's code page "
     u"lacks).\nThe parts are complete."},
    {u"Der Vorgang kann so nicht ausgeführt werden; es wurde nichts geschrieben.",
     u"The operation cannot be carried out as asked; nothing was written."},
    {u"Unter den Dateien wurde keine Teildatei erkannt.\nEs wurde nichts verbunden.",
     u"None of the files was recognised as a part.\nNothing was joined."},
    {u"Es fehlen Teildateien: %1\n\nMöchten Sie die vorhandenen Teildateien trotzdem verbinden?\n"
     u"(NEIN beendet den Vorgang, ohne etwas zu schreiben.)",
     u"Parts are missing: %1\n\nDo you want to join the parts that are there anyway?\n"
     u"(NO ends the process without writing anything.)"},
    {u"Nicht verbunden, da es keine Teildateien sind, sondern Dateien, die beim Trennen neben sie "
     u"geschrieben werden: %1",
     u"Not joined, as they are not parts but files written beside them by the split: %1"},
    {u"%1 Teildatei(en) einer früheren Aufteilung derselben Datei wurden entfernt.",
     u"%1 part(s) of an earlier split of the same file were removed."},
};

} // namespace

QString OperationTextById(OperationText text, int languageCode) {
    const TextPair& pair = Texts[static_cast<int>(text)];
    return QString::fromUtf16(languageCode == LanguageGerman ? pair.german : pair.english);
}
