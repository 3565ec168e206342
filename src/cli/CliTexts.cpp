#include "cli/CliTexts.h"

#include "components/core/MainTexts.h"
#include "components/core/TextPair.h"

#include <array>

namespace {

constexpr std::array<TextPair, 9> Messages{{
    {u"' existiert bereits, und ohne Terminal kann nicht nachgefragt werden.\n"
     u"Mit -y wird sie überschrieben.",
     u"' already exists, and without a terminal there is no one to ask.\nGive -y to overwrite it."},
    {u"Die Reihenfolge der Teildateien ist unklar; sie werden in der angegebenen Reihenfolge verbunden.",
     u"The order of the parts is unclear; they are joined in the order given."},
    {u"Die Dateiposition %1 liegt nicht vor dem Dateiende (%2 Bytes).",
     u"The position %1 does not lie before the end of the file (%2 bytes)."},
    {u"Die Dateipositionen müssen aufsteigen: %1 folgt auf %2.", u"The positions must rise: %1 follows %2."},
    {u"Die Längen ergeben zusammen %1 Bytes und erreichen damit das Dateiende (%2 Bytes).",
     u"The lengths add up to %1 bytes and so reach the end of the file (%2 bytes)."},
    {u"Die Längen ergeben zusammen mehr als %1 Bytes und erreichen damit das Dateiende.",
     u"The lengths add up to more than %1 bytes and so reach the end of the file."},
    {u" [j/N] ", u" [y/N] "},
    {u" [j/n/A] ", u" [y/n/C] "},
    {u"Es fehlen Teildateien: %1\nEs wurde nichts verbunden; mit --order listed werden genau die angegebenen "
     u"Dateien verbunden.",
     u"Parts are missing: %1\nNothing was joined; with --order listed exactly the files given are joined."},
}};

} // namespace

QString MainText(int id, int languageCode) {
    return TextById(id, languageCode);
}

QString CliText(CliMessage message, int languageCode) {
    const TextPair& pair = Messages[static_cast<std::size_t>(message)];
    return inLanguage(pair, languageCode);
}

bool IsYesAnswer(const QString& answer) {
    const QString word = answer.trimmed().toLower();
    return word == u"y" || word == u"yes" || word == u"j" || word == u"ja";
}

bool IsNoAnswer(const QString& answer) {
    const QString word = answer.trimmed().toLower();
    return word == u"n" || word == u"no" || word == u"nein";
}
