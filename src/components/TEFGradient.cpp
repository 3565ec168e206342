#include "TEFGradient.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

int mulDivRounded(int a, int b, int c) {
    const std::int64_t product = std::int64_t(a) * b;
    const std::int64_t divisor = std::llabs(std::int64_t(c));
    const std::int64_t magnitude = (std::llabs(product) + divisor / 2) / divisor;
    const bool negative = (product < 0) != (c < 0);
    return int(negative ? -magnitude : magnitude);
}

bool acceptsNbOfColors(int value) {
    return value == 0 || (value >= 2 && value <= 256);
}

int gradientBandCount(int width, int nbOfColors) {
    if (nbOfColors != 0)
        return nbOfColors;
    return std::clamp(width, 2, 256);
}

namespace {

// Channel value step/(n-1) of the way from start by delta; the low 8 bits are kept.
int channelAt(int start, int delta, int step, int bandCount) {
    return (start + mulDivRounded(step, delta, bandCount - 1)) & 0xFF;
}

QRgb colorAt(QRgb start, QRgb end, int step, int bandCount, bool fromEnd) {
    const int channels[3][2] = {{qRed(start), qRed(end)}, {qGreen(start), qGreen(end)}, {qBlue(start), qBlue(end)}};
    int value[3];
    for (int i = 0; i < 3; ++i) {
        const int delta = channels[i][1] - channels[i][0];
        value[i] = fromEnd ? channelAt(channels[i][1], -delta, step, bandCount)
                           : channelAt(channels[i][0], delta, step, bandCount);
    }
    return qRgb(value[0], value[1], value[2]);
}

} // namespace

std::vector<TEFGradientBand> gradientBands(TGradientType type, QRgb captionColor, QRgb color, int left, int width,
                                           int nbOfColors) {
    const int bands = gradientBandCount(width, nbOfColors);
    const QRgb start = type == TGradientType::gtLeftToRight ? color : captionColor;
    const QRgb end = type == TGradientType::gtCenterToBorder ? color : captionColor;
    const int areaRight = left + width;
    std::vector<TEFGradientBand> result;
    result.reserve(std::size_t(bands));
    auto add = [&](int origin, int index, QRgb bandColor) {
        const int from = std::min(origin + mulDivRounded(index, width, bands), areaRight);
        const int to = std::min(origin + mulDivRounded(index + 1, width, bands), areaRight);
        result.push_back({from, to, bandColor});
    };
    if (type != TGradientType::gtCenterToBorder) {
        for (int k = 0; k < bands; ++k)
            add(left, k, colorAt(start, end, k, bands, false));
        return result;
    }
    // Out to the middle and back again, each half at twice the pace.
    const int firstHalf = bands / 2;
    const int secondHalf = bands - firstHalf;
    for (int i = 0; i < firstHalf; ++i)
        add(left, i, colorAt(start, end, 2 * i, bands, false));
    const int middle = left + mulDivRounded(firstHalf, width, bands);
    for (int j = 0; j < secondHalf; ++j)
        add(middle, j, colorAt(start, end, 2 * j, bands, true));
    return result;
}
