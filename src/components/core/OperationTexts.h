#pragma once

#include <QString>

// Messages about an operation that the main window's numbered table has no text for; shared by
// the window and the command-line tool so both say the same.
enum class OperationText {
    OutputIsInput,     // %1 the output, %2 the input it would overwrite
    UnsafeBatchName,   // %1 the name
    InvalidRequest,    // the operation cannot be carried out as asked
    NothingRecognised, // a join without the order dialog found no part
    NothingCut,        // a special split whose file ends before its first position
    NameWithFolder,    // %1 a new file name that holds a folder
};

QString OperationTextById(OperationText text, int languageCode);
