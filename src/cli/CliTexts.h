#pragma once

#include <QString>

// The main window's numbered texts, which the tool's messages are made of.
QString MainText(int id, int languageCode);

// Messages of the tool's own, where the main window has no text.
enum class CliMessage {
    ExistsNoTerminal, // after text 4 + path: refusal to overwrite without a terminal to ask
    OrderKeptAsGiven,
    PositionBeyondEnd,   // %1 position, %2 file size
    PositionsNotRising,  // %1 position, %2 the one before
    LengthsBeyondEnd,    // %1 sum, %2 file size
    LengthsOverflow,     // %1 the largest number of bytes a position can hold
    YesNoHint,           // appended to a yes/no question
    YesNoCancelHint,     // appended to a yes/no/cancel question
    MissingPartsRefused, // %1 the missing parts
};

QString CliText(CliMessage message, int languageCode);

// True for the answer "yes" in either language ("y", "yes", "j", "ja").
bool IsYesAnswer(const QString& answer);
bool IsNoAnswer(const QString& answer);
