#include "dialogs/model/SettingsTexts.h"

#include "components/core/TextPair.h"

#include <array>

namespace SettingsTexts {
namespace {

struct CaptionEntry {
    const char16_t* component;
    TextPair text;
};

constexpr std::array<TextPair, 6> Messages{{
    {u"Keine Datei", u"No file"},
    {u"Zu viele Dateien", u"Too many files"},
    {u"1 (Minimum 2!)", u"1 (minimum 2!)"},
    {u"Gleiche Größe wie Orginal!", u"Same size as orginal!"},
    {u"Größer als Orginal!", u"Larger than orginal!"},
    {u"Illegale Eingabe", u"Illegal Syntax"},
}};

constexpr std::array<CaptionEntry, 34> Captions{{
    {u"Form2", {u"Einstellungen", u"Settings"}},
    {u"SpeedButton1", {u"&Ok", u"&Ok"}},
    {u"SpeedButton2", {u"A&bbrechen", u"&Cancel"}},
    {u"TabSheet1", {u"Trennen von Dateien", u"Splitting of files"}},
    {u"GroupBox1", {u" Größe :", u" Size :"}},
    {u"GroupBox4", {u"Anzahl der Dateien : ", u"Number of files : "}},
    {u"GroupBox6", {u"Trenn-Modus : ", u"Split Mode : "}},
    {u"RadioButton1", {u"Nach Größe", u"Use Size of files"}},
    {u"RadioButton2", {u"Nach Anzahl", u"Use Number of files"}},
    {u"CheckBox1", {u"Batch-Datei erstellen", u"Create Batch-file"}},
    {u"CheckBox3", {u"Teildateien löschen", u"Delete files"}},
    {u"CheckBox4", {u"Batch-Datei löschen", u"Delete Batch-file"}},
    {u"ShellScriptBox", {u"Shell-Skript erstellen (Linux, macOS)", u"Create shell script (Linux, macOS)"}},
    {u"CheckBox10", {u"Prüfsummendatei (SHA-256) erstellen", u"Create checksum file (SHA-256)"}},
    {u"Label7", {u"Größe Teildateien:", u"Size of files:"}},
    {u"Label6", {u"Anzahl Teildateien:", u"Number of files:"}},
    {u"Label5", {u"Orginalgröße: ", u"Size of orginal: "}},
    {u"TabSheet2", {u"Verbinden von Dateien", u"Merging of files"}},
    {u"GroupBox2", {u"Reihenfolge : ", u"Order : "}},
    {u"RadioButton3", {u"NUR bei unklarer Reihenfolge nachfragen", u"Only prompt me if unequivocal order"}},
    {u"RadioButton4", {u"IMMER nachfragen", u"Prompt me everytime"}},
    {u"RadioButton5", {u"NIE nachfragen (Reihenfolge wie gewählt)", u"NEVER prompt me (order as selected)"}},
    {u"GroupBox3", {u"Löschen : ", u"Delete : "}},
    {u"CheckBox2", {u"Teildateien nach dem Verbinden löschen", u"Delete files after merging"}},
    {u"TabSheet3", {u"Allgemein", u"General"}},
    {u"GroupBox8", {u"Verknüpfungen :", u"Shortcuts : "}},
    {u"Label10",
     {u"Wenn Sie die Shellintegration aktivieren, können Sie eine Datei im Windowsexplorer über die rechte "
      u"Maustaste (Senden An) zum Brimvale Parcelon hinzufügen.",
      u"If you activite the Shellintegration you will be able to simply open a file with Brimvale Parcelon by "
      u"clicking the right mousebutton (Send To) in the Windows Explorer."}},
    {u"Label11",
     {u"Hier können Sie aus dem Programm heraus Verknüpfungen anlegen und wieder löschen.",
      u"Here you can create or delete shortcuts of the program."}},
    {u"CheckBox5", {u"Aktivieren", u"Activite"}},
    {u"CheckBox6", {u"Windows Dektop", u"Windows Dektop"}},
    {u"CheckBox7", {u"Schnellstartleiste", u"Quick Launch Bar"}},
    {u"CheckBox8", {u"Startmenü", u"Startmenu"}},
    // These two read the same in both languages.
    {u"GroupBox7", {u"Shellintegration : ", u"Shellintegration : "}},
    {u"Label2", {u"(Bytes)", u"(Bytes)"}},
}};

constexpr std::array<TextPair, 9> SizeChoiceTexts{{
    {u"3,5'' Diskette (1.38MB)", u"3,5'' Floppy (1.38MB)"},
    {u"5,25'' Diskette (1.18MB)", u"5,25'' Floppy (1.18MB)"},
    {u"ZIP 100 (95.7MB)", u"ZIP 100 (95.7MB)"},
    {u"ZIP 250 (245.5MB)", u"ZIP 250 (245.5MB)"},
    {u"CD-ROM (74 Min)", u"CD-ROM (74 min)"},
    {u"CD-ROM (80 Min)", u"CD-ROM (80 min)"},
    {u"Individuell in Bytes", u"Custom size in Bytes"},
    {u"Individuell in KB", u"Custom size in KB"},
    {u"Individuell in MB", u"Custom size in MB"},
}};

} // namespace

QString TextById(int id, int languageCode) {
    if (id < 1 || id > static_cast<int>(Messages.size()))
        return {};
    return inLanguage(Messages[static_cast<std::size_t>(id - 1)], languageCode);
}

QString Caption(QStringView component, int languageCode) {
    for (const CaptionEntry& entry : Captions) {
        if (component == QStringView(entry.component))
            return inLanguage(entry.text, languageCode);
    }
    return {};
}

QStringList CaptionedComponents() {
    QStringList components;
    for (const CaptionEntry& entry : Captions)
        components << QString::fromUtf16(entry.component);
    return components;
}

QStringList SizeChoices(int languageCode) {
    QStringList items;
    for (const TextPair& pair : SizeChoiceTexts)
        items << inLanguage(pair, languageCode);
    return items;
}

} // namespace SettingsTexts
