#pragma once

#include "dialogs/DialogCaptionTable.h"

// Captions of the destination folder dialog, written at every showing.
inline constexpr DialogCaption DestinationCaptions[] = {
    {"Form6", {u"Zielordner wählen", u"Select Destination Folder"}},
    {"BitBtn1", {u"&Weiter", u"&Proceed"}},
    {"BitBtn2", {u"A&bbrechen", u"&Cancel"}},
    {"BitBtn4", {u"&Neuer Ordner", u"Create &New"}},
    {"Label1",
     {u"Wählen Sie den Ordner, in dem die Datei(en) erstellt werden sollen",
      u"Please select the folder where to place the generated files"}},
};

// The dialog's messages by number (1 to 6).
inline constexpr DialogText DestinationMessages[] = {
    {u"Fehler beim Erstellen des Ordners.\nWählen Sie einen anderen Odrner.",
     u"An error ocurred while creating the folder.\nPlease select another folder."},
    {u"Wählen Sie einen Zielordner", u"Select a Destination Folder"},
    {u"Neuen Ordner erstellen", u"Create New Folder"},
    {u"Name", u"Name"},
    {u"Beim Erstellen des Ordners ist ein Fehler aufgetreten.", u"An error occured while creating the folder."},
    {u"Ordner existiert nicht", u"Folder does not exists"},
};
