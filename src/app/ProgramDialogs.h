#pragma once

#include "dialogs/AboutDialog.h"
#include "dialogs/DestinationDialog.h"
#include "dialogs/JoinOrderDialog.h"
#include "dialogs/SettingsDialog.h"
#include "dialogs/SpecialSplitDialog.h"

// The program's five dialogs. They are created once, after the main window and in this order,
// and live until the program ends; each showing reuses them, so they keep their state.
struct ProgramDialogs {
    ProgramDialogs(const TBReg& reg, QWidget* mainWindow)
        : settings(reg, mainWindow)
        , destination(mainWindow)
        , joinOrder(mainWindow)
        , about(mainWindow)
        , specialSplit(mainWindow) {}

    SettingsDialog settings;         // Form2
    DestinationDialog destination;   // Form6
    JoinOrderDialog joinOrder;       // Form3
    AboutDialog about;               // Form4
    SpecialSplitDialog specialSplit; // Form5
};
