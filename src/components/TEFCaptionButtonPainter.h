#pragma once

#include "TEFCaptionGeometry.h"

class QPainter;
class QPalette;
class QStyle;

// Draws one caption button: the style's push-button panel with a glyph of our own on it.
// showsRestore draws the restore glyph on a maximise or minimise button.
void paintCaptionButton(QPainter& painter, const QStyle& style, const QPalette& palette, const TEFButtonPlace& place,
                        bool pressed, bool showsRestore);
