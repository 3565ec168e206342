#pragma once

#include "TEFCaptionGeometry.h"

#include <QColor>
#include <QFont>

class QPalette;
class QStyle;

// The platform's font for window titles.
QFont systemCaptionFont();

// Title bar sizes taken from the style, fitted to the caption font.
TEFMetrics systemCaptionMetrics(const QStyle& style, const QFont& captionFont);

// Colours of the caption strip and its text, the palette's counterparts of the classic
// active and inactive caption colours.
struct TEFCaptionColors {
    QColor caption;
    QColor text;
};
TEFCaptionColors captionColors(const QPalette& palette, bool active);
