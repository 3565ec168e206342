#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// A cut of the special split: the position where the part begins and the part's file name,
// both exactly as the user typed them.
struct SpecialSplitEntry {
    QString position;
    QString name;

    bool operator==(const SpecialSplitEntry&) const = default;
};

// How the positions count: each from the start of the file, or each from the end of the part
// before it.
enum class SpecialSplitCounting { FromFileStart, FromPreviousPartEnd };

// The value of a text made of decimal digits only ("00100" is 100); nothing for any other text
// or a value beyond the 64-bit range.
std::optional<std::int64_t> wholeNumber(QStringView text);

// A position can be added when it is a whole number below the file size.
bool isAddablePosition(QStringView position, QStringView fileSize);

// Why the entries cannot be cut; the values are the dialog's message numbers. Every position must
// lie before the end of the file, whichever way they count. A file size that is not a whole
// number keeps the dialog open without a message.
enum class SpecialSplitProblem {
    None = 0,
    InvalidPosition = 3,
    PastEndOfFile = 4,
    NotAscending = 5,
    InvalidFileSize = -1,
};

SpecialSplitProblem checkSpecialSplitEntries(const QList<SpecialSplitEntry>& entries, SpecialSplitCounting counting,
                                             QStringView fileSize);
