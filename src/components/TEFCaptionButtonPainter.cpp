#include "TEFCaptionButtonPainter.h"

#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace {

void drawWindowGlyph(QPainter& painter, const QRect& box, int thickTop) {
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.fillRect(QRect(box.left(), box.top(), box.width(), thickTop), painter.pen().color());
}

void drawGlyph(QPainter& painter, TEFCaptionButton button, const QRect& square, bool showsRestore) {
    const int side = square.width();
    const int weight = std::max(1, side / 6);
    switch (button) {
    case TEFCaptionButton::Close: {
        QPen pen = painter.pen();
        pen.setWidth(weight + 1);
        pen.setCapStyle(Qt::FlatCap);
        painter.save();
        painter.setPen(pen);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF box = QRectF(square).adjusted(1, 1, -1, -1);
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
        painter.restore();
        return;
    }
    case TEFCaptionButton::Maximize:
    case TEFCaptionButton::Minimize:
        if (showsRestore) {
            const int small = side * 2 / 3;
            drawWindowGlyph(painter, QRect(square.right() + 1 - small, square.top(), small, small), weight);
            drawWindowGlyph(painter, QRect(square.left(), square.bottom() + 1 - small, small, small), weight);
        } else if (button == TEFCaptionButton::Maximize) {
            drawWindowGlyph(painter, square, weight + 1);
        } else {
            painter.fillRect(QRect(square.left() + 1, square.bottom() + 1 - (weight + 1), side * 2 / 3, weight + 1),
                             painter.pen().color());
        }
        return;
    case TEFCaptionButton::Help: {
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(std::max(6, side + 2));
        painter.save();
        painter.setFont(font);
        painter.drawText(square.adjusted(-2, -2, 2, 2), Qt::AlignCenter, QStringLiteral("?"));
        painter.restore();
        return;
    }
    }
}

} // namespace

void paintCaptionButton(QPainter& painter, const QStyle& style, const QPalette& palette, const TEFButtonPlace& place,
                        bool pressed, bool showsRestore) {
    QStyleOptionButton option;
    option.rect = place.rect;
    option.palette = palette;
    option.state = pressed ? QStyle::State_Sunken : QStyle::State_Raised;
    if (place.enabled)
        option.state |= QStyle::State_Enabled;
    style.drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter);

    const int side = std::max(4, std::min(place.rect.width(), place.rect.height()) - 6);
    QRect square(0, 0, side, side);
    square.moveCenter(place.rect.center());
    if (pressed)
        square.translate(1, 1);
    painter.save();
    painter.setPen(palette.color(place.enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    drawGlyph(painter, place.button, square, showsRestore);
    painter.restore();
}
