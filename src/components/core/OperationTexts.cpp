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
    {u"Die Datei endet vor der ersten Dateiposition.\nEs wurde keine Datei erstellt.",
     u"The file ends before the first fileposition.\nNo file was written."},
    {u"Der Name '%1' enthält einen Ordner.\nGeben Sie einen Dateinamen ohne \"/\" ein.",
     u"The name '%1' holds a folder.\nPlease enter a file name without \"/\"."},
};

} // namespace

QString OperationTextById(OperationText text, int languageCode) {
    const TextPair& pair = Texts[static_cast<int>(text)];
    return QString::fromUtf16(languageCode == LanguageGerman ? pair.german : pair.english);
}
