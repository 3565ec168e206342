#include "cli/VerifyTexts.h"

#include "components/core/MainTexts.h"
#include "components/core/TextPair.h"

#include <array>

namespace {

constexpr std::array<TextPair, 8> Texts{{
    {u"OK", u"OK"},
    {u"FEHLERHAFT", u"FAILED"},
    {u"fehlt", u"missing"},
    {u"FEHLERHAFT, nicht lesbar: %1", u"FAILED open or read: %1"},
    {u"'%1' ist keine Prüfsummendatei.", u"'%1' is not a checksum file."},
    {u"Alle Teildateien sind vorhanden und stimmen mit ihren Prüfsummen überein.",
     u"Every part is present and matches its checksum."},
    {u"Die Originaldatei ist vorhanden und stimmt mit ihrer Prüfsumme überein.",
     u"The original is present and matches its checksum."},
    {u"Weder alle Teildateien noch die Originaldatei sind vorhanden und richtig.",
     u"Neither every part nor the original is present and correct."},
}};

} // namespace

QString VerifyTextById(VerifyText text, int languageCode) {
    const TextPair& pair = Texts[static_cast<std::size_t>(text)];
    return inLanguage(pair, languageCode);
}
