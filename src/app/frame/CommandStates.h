#pragma once

#include <QString>

// What the command-state updater looks at.
struct CommandInputs {
    bool busy = false;
    int itemCount = 0;
    int selectedCount = 0;
    bool clipboardHoldsFiles = false;
};

// The enabled states of the operation commands; each field stands for an item and its twins.
struct CommandStates {
    bool specialSplit = false;  // Spezial1, Spezial2
    bool fromClipboard = false; // AusZwischenablage1, AusZwischenablage2
    bool deleteFile = false;    // Dateilschen1, Dateilschen2
    bool split = false;         // ToolButton1, Splitten1, Splitten2
    bool merge = false;         // ToolButton2, Zusammenfhren1, Zusammenfhren2

    bool operator==(const CommandStates&) const = default;
};

// The next states from the current ones. Some cases leave a command as it was, so the result
// depends on the history: with a selection, special split and the clipboard commands keep the
// state the last unselected case gave them.
CommandStates NextCommandStates(const CommandStates& current, const CommandInputs& inputs);

// Status panel 0 while idle: "3 File(s) selected" with a selection, else "0 File(s) in list".
QString IdleCountText(int itemCount, int selectedCount, int languageCode);
