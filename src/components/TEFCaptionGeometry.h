#pragma once

#include "TEFTypes.h"

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// Sizes the title bar is laid out with, in pixels. Where they come from: TEFSystemMetrics.h.
struct TEFMetrics {
    int sizingFrame = 4;         // frame around a sizeable window
    int fixedFrame = 3;          // frame around a window of fixed size
    int captionHeight = 18;      // caption strip, including the line below it
    int smallCaptionHeight = 15; // caption strip of a tool window
    int smallIconSize = 16;      // the window icon in the caption
    int smallButtonSize = 12;    // caption button of a tool window
};

enum class TEFCaptionButton { Close, Maximize, Minimize, Help };

// Which caption buttons a window shows; minimise and maximise always come as a pair.
struct TEFCaptionButtons {
    bool close = false;
    bool minimizeMaximize = false;
    bool help = false;

    bool operator==(const TEFCaptionButtons&) const = default;
};

struct TEFButtonPlace {
    TEFCaptionButton button = TEFCaptionButton::Close;
    QRect rect;
    bool enabled = true; // a minimise or maximise button whose own border icon is missing is inactive

    bool operator==(const TEFButtonPlace&) const = default;
};

// Where everything of the self-drawn frame lies, in window coordinates.
struct TEFNonClientLayout {
    QMargins margins;              // frame plus caption: what the client area is inset by
    QRect caption;                 // the caption strip (C)
    QRect text;                    // gradient and text area before the icon is placed (T)
    QList<TEFButtonPlace> buttons; // right to left
    bool sizeable = false;
    bool showsIcon = false;
    QRect icon; // the window icon at the caption's left end, when shown
};

bool isSizeable(TBorderStyle style);
bool isToolWindow(TBorderStyle style);

TEFCaptionButtons shownCaptionButtons(TBorderStyle style, TBorderIcons icons);
int captionButtonWidth(TBorderStyle style, const TEFMetrics& metrics);
// Caption buttons from the right end of the caption leftwards: close, maximise, minimise, help.
QList<TEFButtonPlace> captionButtonPlaces(const QRect& caption, TEFCaptionButtons shown, TBorderIcons icons,
                                          int buttonWidth);
// Space kept free for the buttons at the caption's right end, so no text runs under them.
int reservedButtonWidth(const QRect& caption, const QList<TEFButtonPlace>& buttons);

QMargins nonClientMargins(TBorderStyle style, const TEFMetrics& metrics);
QRect captionRect(const QSize& window, TBorderStyle style, const TEFMetrics& metrics);
// The caption less the reserved width; never narrower than 2 pixels.
QRect captionTextRect(const QRect& caption, int reservedWidth);

TEFNonClientLayout nonClientLayout(const QSize& window, TBorderStyle style, TBorderIcons icons,
                                   const TEFMetrics& metrics);

// The metrics of a maximised window: no frame, so the caption runs from edge to edge.
TEFMetrics withoutFrame(TEFMetrics metrics);

// Edges a press at point would drag: the frame of a sizeable window, with corner zones as long
// as the caption is high. Empty elsewhere.
Qt::Edges resizeEdgesAt(const TEFNonClientLayout& layout, const QSize& window, const QPoint& point);

// The window's geometry after its edges were dragged by delta, kept within the size limits;
// the edges not dragged stay where they are.
QRect resizedGeometry(const QRect& start, Qt::Edges edges, const QPoint& delta, const QSize& minimum,
                      const QSize& maximum);
