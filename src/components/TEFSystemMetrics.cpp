#include "TEFSystemMetrics.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <algorithm>

QFont systemCaptionFont() {
    // The platform theme's title font (a desktop's window-title setting). Every attribute is
    // marked as set, or a painter would fill them in from the general application font.
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

namespace {

int styleMetric(const QStyle& style, QStyle::PixelMetric metric, const QFont& font, Qt::WindowFlags kind) {
    QStyleOptionTitleBar option;
    option.fontMetrics = QFontMetrics(font);
    option.titleBarFlags = kind;
    return style.pixelMetric(metric, &option);
}

} // namespace

TEFMetrics systemCaptionMetrics(const QStyle& style, const QFont& captionFont) {
    TEFMetrics metrics;
    const int textHeight = QFontMetrics(captionFont).height();
    // Frames: the style's frame around a sizeable sub-window; a fixed frame is one pixel thinner,
    // as on classic desktops.
    metrics.sizingFrame = std::max(2, style.pixelMetric(QStyle::PM_MdiSubWindowFrameWidth));
    metrics.fixedFrame = std::max(1, metrics.sizingFrame - 1);
    // Caption strips: the style's title bar height for normal and tool windows, never lower than
    // the caption font plus a little air and the line below the strip.
    metrics.captionHeight =
        std::max(styleMetric(style, QStyle::PM_TitleBarHeight, captionFont, Qt::Window), textHeight + 5);
    metrics.smallCaptionHeight =
        std::max(styleMetric(style, QStyle::PM_TitleBarHeight, captionFont, Qt::Tool), textHeight + 3);
    // The icon: the style's small icon size. Tool-window buttons: the style's title bar button.
    metrics.smallIconSize = style.pixelMetric(QStyle::PM_SmallIconSize);
    metrics.smallButtonSize = styleMetric(style, QStyle::PM_TitleBarButtonSize, captionFont, Qt::Tool);
    return metrics;
}

TEFCaptionColors captionColors(const QPalette& palette, bool active) {
    // Active: the highlight pair. Inactive: the inactive group's pair where the theme gives it
    // its own colours, else the disabled group's, which every palette greys out.
    if (active)
        return {palette.color(QPalette::Active, QPalette::Highlight),
                palette.color(QPalette::Active, QPalette::HighlightedText)};
    const QPalette::ColorGroup group =
        palette.color(QPalette::Inactive, QPalette::Highlight) != palette.color(QPalette::Active, QPalette::Highlight)
            ? QPalette::Inactive
            : QPalette::Disabled;
    return {palette.color(group, QPalette::Highlight), palette.color(group, QPalette::HighlightedText)};
}
