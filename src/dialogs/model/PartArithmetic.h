#pragma once

#include <QString>
#include <cstdint>

// The part size in bytes of a size text in the unit of sizeIndex (KB for 7, MB for 8, else
// bytes): the text's leading number scaled; -1 when the text does not start with a digit or
// the bytes do not fit in 64 bits.
std::int64_t PartBytes(const QString& sizeText, int sizeIndex);

// Number of parts of the given size (rounded up); 0 for a part size of 0, -1 when either text
// does not start with a digit or the size does not fit.
std::int64_t PartCountForSize(const QString& originalSizeText, const QString& sizeText, int sizeIndex);

// Part size for a number of parts, rounded down (the remainder goes into one more part);
// 0 for a count of 0, -1 when either text does not start with a digit.
std::int64_t PartSizeForCount(const QString& originalSizeText, const QString& fileCountText);
