#pragma once

#include <QColor>
#include <QImage>

// Paints every pixel reachable from start (through its four neighbours) with colour, stopping at
// pixels that already have that colour. Nothing happens when start lies outside the image or
// already has the colour. The image is turned into a 32-bit format first if it is not one.
void BorderFloodFill(QImage& image, QPoint start, QColor colour);
