#pragma once

#include <QString>

// Messages about an operation that the main window's numbered table has no text for; shared by
// the window and the command-line tool so both say the same.
enum class OperationText {
    OutputIsInput,     // %1 the output, %2 the input it would overwrite
    UnsafeBatchName,   // %1 the name
    InvalidRequest,    // the operation cannot be carried out as asked
    NothingRecognised, // a join without the order dialog found no part
    MissingParts,      // %1 the missing parts (gapListText); a question: join anyway?
    CompanionsLeftOut, // %1 the listed files the split writes beside the parts, which were not joined
    StalePartsRemoved, // %1 how many parts of an earlier split were removed
};

QString OperationTextById(OperationText text, int languageCode);
