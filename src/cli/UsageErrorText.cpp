#include "cli/UsageErrorText.h"

#include "components/core/MainTexts.h"

#include <QRegularExpression>
#include <QStringList>
#include <array>

namespace {

struct UsageErrorPair {
    const char16_t* english; // %1, %2: the parts taken over into the German wording
    const char16_t* german;
};

constexpr std::array<UsageErrorPair, 20> UsageErrors{{
    {u"no command given", u"kein Befehl angegeben"},
    {u"unknown command '%1'", u"unbekannter Befehl '%1'"},
    {u"only one FILE can be given, but '%1' follows '%2'", u"nur eine DATEI ist möglich, aber '%1' folgt auf '%2'"},
    {u"option %1 needs a value", u"Option %1 braucht einen Wert"},
    {u"option %1 takes no value", u"Option %1 nimmt keinen Wert"},
    {u"unknown option '%1'", u"unbekannte Option '%1'"},
    {u"option %1 does not belong to '%2'", u"Option %1 gehört nicht zu '%2'"},
    {u"options %1 and %2 exclude each other", u"die Optionen %1 und %2 schließen einander aus"},
    {u"only one of -s, -n and -p can be given", u"nur eine von -s, -n und -p ist möglich"},
    {u"SIZE '%1' is not a number of bytes of at least 1 (K, M and G allowed)",
     u"GRÖSSE '%1' ist keine Bytezahl von mindestens 1 (K, M und G erlaubt)"},
    {u"PARTS '%1' is not a whole number of at least 1", u"ANZAHL '%1' ist keine ganze Zahl von mindestens 1"},
    {u"PRESET '%1' is not one of 0 to 5", u"VORGABE '%1' ist keine der Zahlen 0 bis 5"},
    {u"--at '%1' is not POS=NAME with POS a number of bytes", u"--at '%1' ist nicht POS=NAME mit POS als Bytezahl"},
    {u"--at '%1' has no file name", u"--at '%1' hat keinen Dateinamen"},
    {u"-o NAME must be a file name without a folder ('%1'); use -d for the folder",
     u"-o NAME muss ein Dateiname ohne Ordner sein ('%1'); der Ordner gehört zu -d"},
    {u"--order takes 'auto' or 'listed', not '%1'", u"--order nimmt 'auto' oder 'listed', nicht '%1'"},
    {u"split needs the FILE to split", u"split braucht die zu trennende DATEI"},
    {u"cut needs the FILE to cut", u"cut braucht die zu schneidende DATEI"},
    {u"cut needs at least one --at POS=NAME", u"cut braucht mindestens ein --at POS=NAME"},
    {u"join needs the PARTs to join", u"join braucht die zu verbindenden TEILe"},
}};

// "option %1 needs a value" -> ^option (.*) needs a value$, matching across line breaks too.
QRegularExpression wordingPattern(const QString& english) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QStringList pieces = english.split(placeholder);
    for (QString& piece : pieces)
        piece = QRegularExpression::escape(piece);
    const QString pattern = pieces.join(QStringLiteral("(.*)"));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                              QRegularExpression::DotMatchesEverythingOption);
}

// One pass over the wording, so a "%2" inside a name taken over stays as it is.
QString fillIn(const QString& wording, const QRegularExpressionMatch& match) {
    QString text;
    for (qsizetype i = 0; i < wording.size(); ++i) {
        if (wording[i] == u'%' && i + 1 < wording.size() && wording[i + 1].isDigit()) {
            text += match.captured(wording[++i].digitValue());
        } else {
            text += wording[i];
        }
    }
    return text;
}

} // namespace

QString UsageErrorText(const std::string& englishError, int languageCode) {
    const QString english = QString::fromStdString(englishError);
    if (languageCode != LanguageGerman)
        return english;
    for (const UsageErrorPair& pair : UsageErrors) {
        const QRegularExpressionMatch match = wordingPattern(QString::fromUtf16(pair.english)).match(english);
        if (!match.hasMatch())
            continue;
        return fillIn(QString::fromUtf16(pair.german), match);
    }
    return english;
}
