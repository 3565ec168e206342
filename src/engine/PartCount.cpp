#include "engine/PartCount.h"

std::int64_t PartCountForSize(std::int64_t originalSize, std::int64_t partSize) {
    if (partSize <= 0)
        return 0;
    return originalSize / partSize + (originalSize % partSize != 0 ? 1 : 0);
}

bool splitHasEnoughParts(std::int64_t originalSize, std::int64_t partSize) {
    return PartCountForSize(originalSize, partSize) >= MinimumPartCount;
}
