#pragma once

#include <cstdint>

// A split must give at least this many parts; with fewer it is refused before anything happens.
inline constexpr std::int64_t MinimumPartCount = 2;

// Number of parts a split of `originalSize` bytes into parts of `partSize` bytes gives, as the
// settings display it: originalSize / partSize rounded up; 0 when partSize is 0 or less.
// (The split itself writes one more, empty, part when the size is an exact multiple; that part
// is not counted here.) The settings model builds its display on this same rule.
std::int64_t PartCountForSize(std::int64_t originalSize, std::int64_t partSize);

// The split guard: true when PartCountForSize(originalSize, partSize) >= MinimumPartCount.
bool splitHasEnoughParts(std::int64_t originalSize, std::int64_t partSize);
