#pragma once

#include "TEFTypes.h"

#include <QRgb>
#include <vector>

// a * b / c rounded to the nearest integer, halves away from zero; 64-bit in between.
// c must not be 0.
int mulDivRounded(int a, int b, int c);

// NbOfColors takes 0 (one band per pixel) or 2 to 256 bands.
bool acceptsNbOfColors(int value);

// Bands over a text area of the given width: nbOfColors when set, else one per pixel, 2 to 256.
int gradientBandCount(int width, int nbOfColors);

// One band of the caption gradient: x from left up to (not including) right.
struct TEFGradientBand {
    int left = 0;
    int right = 0;
    QRgb color = 0;

    bool operator==(const TEFGradientBand&) const = default;
};

// The bands that fill [left, left + width) from the caption colour and the title bar's Color.
// gtNone is plain captionColor, gtLeftToRight runs from color to captionColor, gtCenterToBorder
// has captionColor at both borders and color in the middle. Bands never reach past the area.
std::vector<TEFGradientBand> gradientBands(TGradientType type, QRgb captionColor, QRgb color, int left, int width,
                                           int nbOfColors);
