#include "dialogs/model/PartArithmetic.h"

#include "dialogs/model/SplitSettings.h"
#include "engine/NumberText.h"
#include "engine/PartCount.h"

#include <limits>

namespace {

bool StartsWithDigit(const QString& text) {
    return IsInt(text.toStdString());
}

std::int64_t LeadingNumber(const QString& text) {
    return DecimalValue(text.toStdString());
}

} // namespace

std::int64_t PartBytes(const QString& sizeText, int sizeIndex) {
    if (!StartsWithDigit(sizeText))
        return -1;
    const std::int64_t value = LeadingNumber(sizeText);
    const std::int64_t unit = sizeIndex == CustomMBIndex ? 1048576 : sizeIndex == CustomKBIndex ? 1024 : 1;
    if (value > std::numeric_limits<std::int64_t>::max() / unit)
        return -1;
    return value * unit;
}

std::int64_t PartCountForSize(const QString& originalSizeText, const QString& sizeText, int sizeIndex) {
    if (!StartsWithDigit(originalSizeText))
        return -1;
    const std::int64_t part = PartBytes(sizeText, sizeIndex);
    if (part < 0)
        return -1;
    // One rule for the display and the split's guard.
    return PartCountForSize(LeadingNumber(originalSizeText), part);
}

std::int64_t PartSizeForCount(const QString& originalSizeText, const QString& fileCountText) {
    if (!StartsWithDigit(originalSizeText) || !StartsWithDigit(fileCountText))
        return -1;
    const std::int64_t count = LeadingNumber(fileCountText);
    if (count <= 0)
        return 0;
    return LeadingNumber(originalSizeText) / count;
}
