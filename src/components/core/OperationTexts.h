#pragma once

#include "engine/OperationResult.h"

#include <QString>

// Messages about an operation that the main window's numbered table has no text for; shared by
// the window and the command-line tool so both say the same.
enum class OperationText {
    OutputIsInput,     // %1 the output, %2 the input it would overwrite
    UnsafeBatchName,   // %1 the name, %2 why it cannot stand in a batch file
    InvalidRequest,    // the operation cannot be carried out as asked
    NothingRecognised, // a join without the order dialog found no part
    SameOutputTwice,   // %1 the earlier output, %2 the later one that names the same file
    // Why a name cannot stand in a batch file, for UnsafeBatchName's %2.
    NameHasQuotationMark,
    NameHasWildcard,
    NameHasBackslash,
    NameHasControlCharacter,
    NameOutsideCodePage,
    MissingParts,      // %1 the missing parts (gapListText); a question: join anyway?
    CompanionsLeftOut, // %1 the listed files the split writes beside the parts, which were not joined
    StalePartsRemoved, // %1 how many parts of an earlier split were removed
    NothingCut,        // a special split whose file ends before its first position
    NameWithFolder,    // %1 a new file name that holds a folder
};

QString OperationTextById(OperationText text, int languageCode);

// What the user is told about an operation that was refused before it wrote anything.
QString OperationRefusalText(const OperationError& error, int languageCode);
