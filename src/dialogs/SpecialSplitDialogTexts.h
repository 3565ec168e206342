#pragma once

#include "dialogs/DialogCaptionTable.h"

// Captions of the special split dialog, written at every showing. The blanks after the button
// captions set them off from the pictures; the blank before the colon of Label3 is a no-break
// space.
inline constexpr DialogCaption SpecialSplitCaptions[] = {
    {"Form5", {u"Spezialtrennung", u"Special Split"}},
    {"SpeedButton5", {u"&Weiter", u"&Proceed"}},
    {"SpeedButton6", {u"A&bbrechen", u"&Cancel"}},
    {"Label3",
     {u"Wählen Sie hier die Dateipositionen in Bytes bei denen die neuen Dateien erstellt werden sollen\u00a0:",
      u"Please select the filepositions in Bytes where the new files will be createt from\u00a0:"}},
    {"Label1", {u"Orginaldateigröße : ", u"Orginal filesize : "}},
    {"Label2", {u"Bytes", u"Bytes"}},
    {"SpeedButton1", {u"&Hinzufügen  ", u"&Add          "}},
    {"SpeedButton2", {u"&Löschen      ", u"&Delete      "}},
    {"SpeedButton3", {u"&Rauf           ", u"&Up           "}},
    {"SpeedButton4", {u"R&unter        ", u"D&own        "}},
    {"Label4", {u"Dateiposition :", u"Fileposition :"}},
    {"Label5", {u"Dateiname :", u"Fileame :"}},
    {"Label6", {u"Dateiposition :", u"Fileposition :"}},
    {"RadioButton1", {u"Relativ zum Dateianfang des Orginals", u"Relative to the Beginning of the Orginal"}},
    {"RadioButton2", {u"Relativ zum Ende der letzten Datei", u"Relative to the End of the last File"}},
};

inline constexpr DialogText SpecialSplitColumnCaptions[] = {
    {u"Dateiposition ", u"Fileposition "},
    {u"Dateiname", u"Filename"},
};

// The dialog's messages by number, starting at 1.
inline constexpr DialogText SpecialSplitMessages[] = {
    {u"Der Dateiname darf nicht leer bleiben.", u"You cannot leave the filename blank."},
    {u"Die Dateiposition ist nicht korrekt.\nBitte korrigieren Sie diese.",
     u"The fileposition is invalid.\nPlease correct it."},
    {u"Mindestens eine Dateiposition enhält einen ungültigen Wert.\nBitte korrigieren Sie die Reihenfolge.",
     u"At least one fileposition is invalid.\nPlease check over."},
    {u"Die Dateipositionen dürfen das Dateiende nicht überschreiten.\nBitte korrigieren Sie die Reihenfolge.",
     u"The filepositions cannot pass over the End Of File.\nPlease check over."},
    {u"Die Dateipositionen müsse in aufsteigender Reihenfolge vorliegen.\nBitte korrigieren Sie die Reihenfolge.",
     u"The filepositions are not in the right order.\nPlease check over."},
};
