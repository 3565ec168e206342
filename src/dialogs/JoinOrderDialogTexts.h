#pragma once

#include "dialogs/DialogCaptionTable.h"

// Captions of the join order dialog, written at every showing. The Rename box keeps its caption
// in both languages.
inline constexpr DialogCaption JoinOrderCaptions[] = {
    {"Form3", {u"Reihenfolge festlegen", u"Change the order of the files"}},
    {"SpeedButton3", {u"&Weiter", u"&Next"}},
    {"SpeedButton4", {u"A&bbrechen", u"&Cancel"}},
    {"Label1",
     {u"Die Reihenfolge der Dateien kann nicht eindeutig bestimmt werden oder Sie haben die Option ''IMMER "
      u"Anzeigen'' gewählt, um die Reihenfolge jedesmal selbst zu bearbeiten. Bitte nehmen Sie selbst Änderungen "
      u"vor",
      u"The order of the files cannot be definited unequivocal or you have selected the option ''Prompt me "
      u"everytime'', to check the order everytime by yourself. Please now do your changes."}},
    {"Label2",
     {u"Die erste Datei steht an der obersten Position dieser Liste, die letzte auf der untersten Position.",
      u"The first file on order is placed on the top of this list, the last file is placed to the bottom."}},
    {"SB1", {u"nach &open", u"&up"}},
    {"SB2", {u"nach &unten", u"&down"}},
};

inline constexpr QStringView JoinOrderRenameCaption = u"Rename :";
