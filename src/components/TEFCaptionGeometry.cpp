#include "TEFCaptionGeometry.h"

#include <algorithm>

bool isSizeable(TBorderStyle style) {
    return style == TBorderStyle::bsSizeable || style == TBorderStyle::bsSizeToolWin;
}

bool isToolWindow(TBorderStyle style) {
    return style == TBorderStyle::bsToolWindow || style == TBorderStyle::bsSizeToolWin;
}

TEFCaptionButtons shownCaptionButtons(TBorderStyle style, TBorderIcons icons) {
    const bool close = icons.testFlag(biSystemMenu);
    const bool minMax = icons.testFlag(biMinimize) || icons.testFlag(biMaximize);
    switch (style) {
    case TBorderStyle::bsSingle:
    case TBorderStyle::bsSizeable:
        return {close, minMax, icons.testFlag(biHelp) && !minMax};
    case TBorderStyle::bsDialog:
        return {close, false, icons.testFlag(biHelp)};
    case TBorderStyle::bsToolWindow:
    case TBorderStyle::bsSizeToolWin:
        return {close, false, false};
    case TBorderStyle::bsNone:
        break;
    }
    return {};
}

int captionButtonWidth(TBorderStyle style, const TEFMetrics& metrics) {
    return isToolWindow(style) ? metrics.smallButtonSize - 4 : metrics.smallIconSize - 2;
}

QList<TEFButtonPlace> captionButtonPlaces(const QRect& caption, TEFCaptionButtons shown, TBorderIcons icons,
                                          int buttonWidth) {
    QList<TEFButtonPlace> places;
    if (caption.isEmpty())
        return places;
    const QRect area = caption.adjusted(2, 2, -2, -2);
    const int width = buttonWidth + 2;
    int right = area.right() + 1; // exclusive
    auto place = [&](TEFCaptionButton button, bool enabled, int gapAfter) {
        places.append({button, QRect(right - width, area.top(), width, area.height()), enabled});
        right -= width + gapAfter;
    };
    if (shown.close)
        place(TEFCaptionButton::Close, true, 2);
    if (shown.minimizeMaximize) {
        place(TEFCaptionButton::Maximize, icons.testFlag(biMaximize), 0);
        place(TEFCaptionButton::Minimize, icons.testFlag(biMinimize), 0);
    }
    if (shown.help)
        place(TEFCaptionButton::Help, true, 0);
    return places;
}

int reservedButtonWidth(const QRect& caption, const QList<TEFButtonPlace>& buttons) {
    const int captionRight = caption.right() + 1;
    int leftmost = captionRight;
    for (const TEFButtonPlace& place : buttons)
        leftmost = std::min(leftmost, place.rect.left());
    return captionRight - leftmost + 2;
}

QMargins nonClientMargins(TBorderStyle style, const TEFMetrics& metrics) {
    if (style == TBorderStyle::bsNone)
        return {};
    const int frame = isSizeable(style) ? metrics.sizingFrame : metrics.fixedFrame;
    const int caption = isToolWindow(style) ? metrics.smallCaptionHeight : metrics.captionHeight;
    return {frame, frame + caption, frame, frame};
}

QRect captionRect(const QSize& window, TBorderStyle style, const TEFMetrics& metrics) {
    if (style == TBorderStyle::bsNone)
        return {};
    const QMargins margins = nonClientMargins(style, metrics);
    const int frame = margins.left();
    // The caption's last pixel row stays frame: a line between caption and client area.
    return QRect(frame, frame, window.width() - 2 * frame, margins.top() - frame - 1);
}

QRect captionTextRect(const QRect& caption, int reservedWidth) {
    QRect text = caption;
    int right = caption.right() + 1 - reservedWidth;
    if (right <= text.left())
        right = text.left() + 2;
    text.setRight(right - 1);
    return text;
}

TEFNonClientLayout nonClientLayout(const QSize& window, TBorderStyle style, TBorderIcons icons,
                                   const TEFMetrics& metrics) {
    TEFNonClientLayout layout;
    if (style == TBorderStyle::bsNone)
        return layout;
    layout.margins = nonClientMargins(style, metrics);
    layout.caption = captionRect(window, style, metrics);
    layout.buttons = captionButtonPlaces(layout.caption, shownCaptionButtons(style, icons), icons,
                                         captionButtonWidth(style, metrics));
    layout.text = captionTextRect(layout.caption, reservedButtonWidth(layout.caption, layout.buttons));
    layout.sizeable = isSizeable(style);
    layout.showsIcon =
        icons.testFlag(biSystemMenu) && (style == TBorderStyle::bsSingle || style == TBorderStyle::bsSizeable);
    if (layout.showsIcon) {
        const int side = metrics.smallIconSize;
        // Centred in the strip: one pixel below its top on a classic 18-pixel caption.
        layout.icon =
            QRect(layout.text.left() + 2, layout.text.top() + (layout.text.height() - side + 1) / 2, side, side);
    }
    return layout;
}

TEFMetrics withoutFrame(TEFMetrics metrics) {
    metrics.sizingFrame = 0;
    metrics.fixedFrame = 0;
    return metrics;
}

Qt::Edges resizeEdgesAt(const TEFNonClientLayout& layout, const QSize& window, const QPoint& point) {
    if (!layout.sizeable || !QRect(QPoint(0, 0), window).contains(point))
        return {};
    const int frame = layout.margins.left();
    const int corner = layout.caption.height() + 1;
    const bool nearLeft = point.x() < frame;
    const bool nearRight = point.x() >= window.width() - frame;
    const bool nearTop = point.y() < frame;
    const bool nearBottom = point.y() >= window.height() - frame;
    if (!nearLeft && !nearRight && !nearTop && !nearBottom)
        return {};
    Qt::Edges edges;
    if (nearLeft || ((nearTop || nearBottom) && point.x() < corner))
        edges |= Qt::LeftEdge;
    if (nearRight || ((nearTop || nearBottom) && point.x() >= window.width() - corner))
        edges |= Qt::RightEdge;
    if (nearTop || ((nearLeft || nearRight) && point.y() < corner))
        edges |= Qt::TopEdge;
    if (nearBottom || ((nearLeft || nearRight) && point.y() >= window.height() - corner))
        edges |= Qt::BottomEdge;
    return edges;
}

QRect resizedGeometry(const QRect& start, Qt::Edges edges, const QPoint& delta, const QSize& minimum,
                      const QSize& maximum) {
    QRect result = start;
    auto clampedWidth = [&](int width) { return std::clamp(width, minimum.width(), maximum.width()); };
    auto clampedHeight = [&](int height) { return std::clamp(height, minimum.height(), maximum.height()); };
    if (edges & Qt::LeftEdge)
        result.setLeft(start.right() + 1 - clampedWidth(start.width() - delta.x()));
    else if (edges & Qt::RightEdge)
        result.setWidth(clampedWidth(start.width() + delta.x()));
    if (edges & Qt::TopEdge)
        result.setTop(start.bottom() + 1 - clampedHeight(start.height() - delta.y()));
    else if (edges & Qt::BottomEdge)
        result.setHeight(clampedHeight(start.height() + delta.y()));
    return result;
}
