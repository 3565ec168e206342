#include "app/frame/MainCaptions.h"

#include "components/core/MainTexts.h"

namespace {
// The English "Add" is padded with no-break spaces so its button is as wide as the others.
QString paddedAdd() {
    const QChar noBreak(0x00A0);
    return QString(7, noBreak) + QStringLiteral("Add") + QString(8, noBreak);
}
} // namespace

const QString& MainCaption::text(int languageCode) const {
    return languageCode == LanguageGerman ? german : english;
}

QString ListColumnCaptionName(int column) {
    return QStringLiteral("ListView1.Column%1").arg(column);
}

const std::vector<MainCaption>& MainCaptionTable() {
    static const std::vector<MainCaption> table{
        {QStringLiteral("ToolButton4"), QStringLiteral("Hinzufügen"), paddedAdd()},
        {QStringLiteral("ToolButton1"), QStringLiteral("Trennen"), QStringLiteral("Split")},
        {QStringLiteral("ToolButton2"), QStringLiteral("Verbinden"), QStringLiteral("Merge")},
        {QStringLiteral("ToolButton6"), QStringLiteral("Stop"), QStringLiteral("Stop")},
        {QStringLiteral("ToolButton3"), QStringLiteral("Einstellungen"), QStringLiteral("Settings")},
        {QStringLiteral("ToolButton5"), QStringLiteral("Beenden"), QStringLiteral("Exit")},
        {ListColumnCaptionName(0), QStringLiteral("Name"), QStringLiteral("Name")},
        {ListColumnCaptionName(1), QStringLiteral("Ordner"), QStringLiteral("Folder")},
        {ListColumnCaptionName(2), QStringLiteral("Größe"), QStringLiteral("Size")},
        {ListColumnCaptionName(3), QStringLiteral("Datum"), QStringLiteral("Date")},
        {ListColumnCaptionName(4), QStringLiteral("Kennzeichen"), QStringLiteral("Flag")},
        {QStringLiteral("OpenDialog1"), QStringLiteral("Alle Dateien (*.*)|*.*"),
         QStringLiteral("All Files (*.*)|*.*")},
        {QStringLiteral("Datei1"), QStringLiteral("Datei"), QStringLiteral("File")},
        {QStringLiteral("Splitten1"), QStringLiteral("Trennen"), QStringLiteral("Split")},
        {QStringLiteral("Zusammenfhren1"), QStringLiteral("Verbinden"), QStringLiteral("Merge")},
        {QStringLiteral("Einstellungen1"), QStringLiteral("Einstellungen..."), QStringLiteral("Settings...")},
        {QStringLiteral("Beenden1"), QStringLiteral("Beenden"), QStringLiteral("Exit")},
        {QStringLiteral("Bearbeiten1"), QStringLiteral("Bearbeiten"), QStringLiteral("Edit")},
        {QStringLiteral("Dateihinzufgen1"), QStringLiteral("Datei hinzufügen"), QStringLiteral("Add File")},
        {QStringLiteral("AusZwischenablage2"), QStringLiteral("Aus Zwischenablage"), QStringLiteral("From Clipboard")},
        {QStringLiteral("Dateilistelschen1"), QStringLiteral("Dateiliste löschen"), QStringLiteral("Clear List")},
        {QStringLiteral("Dateilschen1"), QStringLiteral("Datei löschen"), QStringLiteral("Delete File")},
        {QStringLiteral("Alleauswhlen1"), QStringLiteral("Alle auswählen"), QStringLiteral("Select All")},
        {QStringLiteral("Ansicht1"), QStringLiteral("Ansicht"), QStringLiteral("View")},
        {QStringLiteral("Details1"), QStringLiteral("Details"), QStringLiteral("Details")},
        {QStringLiteral("Liste1"), QStringLiteral("Liste"), QStringLiteral("List")},
        {QStringLiteral("KleineSymbole1"), QStringLiteral("Kleine Symbole"), QStringLiteral("Small Icons")},
        {QStringLiteral("GroeSymbole1"), QStringLiteral("Große Symbole"), QStringLiteral("Large Icons")},
        {QStringLiteral("Sortieren1"), QStringLiteral("Sortieren"), QStringLiteral("Sort")},
        {QStringLiteral("NachKennzeichen1"), QStringLiteral("Nach Kennzeichen"), QStringLiteral("By Flag")},
        {QStringLiteral("NachName1"), QStringLiteral("Nach Name"), QStringLiteral("By Name")},
        {QStringLiteral("NachVerzeichnis1"), QStringLiteral("Nach Ordner"), QStringLiteral("By Folder")},
        {QStringLiteral("NachGre1"), QStringLiteral("Nach Größe"), QStringLiteral("By Size")},
        {QStringLiteral("NachDatum1"), QStringLiteral("Nach Datum"), QStringLiteral("By Date")},
        {QStringLiteral("Aufsteigend1"), QStringLiteral("Aufsteigend"), QStringLiteral("Ascending")},
        {QStringLiteral("Absteigend1"), QStringLiteral("Absteigend"), QStringLiteral("Descending")},
        {QStringLiteral("ZurBrimvaleWebseite1"), QStringLiteral("Zur Brimvale Webseite"),
         QStringLiteral("Go To Brimvale Website")},
        {QStringLiteral("Feedback1"), QStringLiteral("Feedback"), QStringLiteral("Feedback")},
        {QStringLiteral("Deutsch1"), QStringLiteral("Deutsch"), QStringLiteral("Deutsch")},
        {QStringLiteral("English1"), QStringLiteral("English"), QStringLiteral("English")},
        {QStringLiteral("berBrimvaleParcelon1"), QStringLiteral("Über Brimvale Parcelon"),
         QStringLiteral("About Brimvale Parcelon")},
        {QStringLiteral("Splitten2"), QStringLiteral("Trennen"), QStringLiteral("Split")},
        {QStringLiteral("Zusammenfhren2"), QStringLiteral("Verbinden"), QStringLiteral("Merge")},
        {QStringLiteral("Dateihinzufgen2"), QStringLiteral("Datei hinzufügen"), QStringLiteral("Add File")},
        {QStringLiteral("AusZwischenablage1"), QStringLiteral("Aus Zwischenablage"), QStringLiteral("From Clipboard")},
        {QStringLiteral("Dateilistelschen2"), QStringLiteral("Dateiliste löschen"), QStringLiteral("Clear List")},
        {QStringLiteral("Dateilschen2"), QStringLiteral("Datei löschen"), QStringLiteral("Delete File")},
        {QStringLiteral("Alleauswhlen2"), QStringLiteral("Alle auswählen"), QStringLiteral("Select All")},
        {QStringLiteral("Ansicht2"), QStringLiteral("Ansicht"), QStringLiteral("View")},
        {QStringLiteral("Details2"), QStringLiteral("Details"), QStringLiteral("Details")},
        {QStringLiteral("Liste2"), QStringLiteral("Liste"), QStringLiteral("List")},
        {QStringLiteral("KleineSymbole2"), QStringLiteral("Kleine Symbole"), QStringLiteral("Small Icons")},
        {QStringLiteral("GroeSymbole2"), QStringLiteral("Große Symbole"), QStringLiteral("Large Icons")},
        {QStringLiteral("Sortieren2"), QStringLiteral("Sortieren"), QStringLiteral("Sort")},
        {QStringLiteral("NachKennzeichen2"), QStringLiteral("Nach Kennzeichen"), QStringLiteral("By Flag")},
        {QStringLiteral("NachName2"), QStringLiteral("Nach Name"), QStringLiteral("By Name")},
        {QStringLiteral("NachVerzeichnis2"), QStringLiteral("Nach Ordner"), QStringLiteral("By Folder")},
        {QStringLiteral("NachGre2"), QStringLiteral("Nach Größe"), QStringLiteral("By Size")},
        {QStringLiteral("NachDatum2"), QStringLiteral("Nach Datum"), QStringLiteral("By Date")},
        {QStringLiteral("Aufsteigend2"), QStringLiteral("Aufsteigend"), QStringLiteral("Ascending")},
        {QStringLiteral("Absteigend2"), QStringLiteral("Absteigend"), QStringLiteral("Descending")},
        {QStringLiteral("Einstellungen2"), QStringLiteral("Einstellungen..."), QStringLiteral("Settings...")},
        {QStringLiteral("Spezial1"), QStringLiteral("Spezialtrennung"), QStringLiteral("Special Split")},
        {QStringLiteral("Spezial2"), QStringLiteral("Spezialtrennung"), QStringLiteral("Special Split")},
    };
    return table;
}

QString MainCaptionText(const QString& objectName, int languageCode) {
    for (const MainCaption& caption : MainCaptionTable()) {
        if (caption.objectName == objectName)
            return caption.text(languageCode);
    }
    return {};
}
