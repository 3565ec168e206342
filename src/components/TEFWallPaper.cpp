#include "TEFWallPaper.h"

#include "TEnhancedForm.h"

#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <algorithm>

TEFWallPaper::TEFWallPaper(TEnhancedForm* owner)
    : TEFBase(owner) {}

void TEFWallPaper::setBitmap(const QPixmap& bitmap) {
    m_bitmap = bitmap;
    rebuildBuffer(m_owner->clientRect().size());
    refreshForm();
}

void TEFWallPaper::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (m_enabled)
        rebuildBuffer(m_owner->clientRect().size());
    refreshForm();
}

void TEFWallPaper::setDisplay(TEFWallPaperDisplay display) {
    if (display == m_display)
        return;
    m_display = display;
    rebuildBuffer(m_owner->clientRect().size());
    refreshForm();
}

void TEFWallPaper::Update() {
    m_owner->form()->update(m_owner->clientRect());
}

bool TEFWallPaper::hasPicture() const {
    return m_bitmap.width() > 0 && m_bitmap.height() > 0;
}

void TEFWallPaper::refreshForm() {
    m_owner->form()->update();
}

void TEFWallPaper::rebuildBuffer(const QSize& client) {
    if (!hasPicture())
        return;
    const QWidget& form = *m_owner->form();
    const QSize screen = form.screen() ? form.screen()->size() : QSize();
    const qreal ratio = form.devicePixelRatio();
    const QSize size = client.expandedTo(screen);
    m_buffer = QPixmap(size * ratio);
    m_buffer.setDevicePixelRatio(ratio);
    QPainter painter(&m_buffer);
    const QSize picture = m_bitmap.deviceIndependentSize().toSize();
    if (m_display == TEFWallPaperDisplay::dwCenter) {
        painter.fillRect(QRect(QPoint(0, 0), size), form.palette().color(form.backgroundRole()));
        painter.drawPixmap((size.width() - picture.width()) / 2, (size.height() - picture.height()) / 2, m_bitmap);
        return;
    }
    for (int x = 0; x < size.width(); x += picture.width())
        for (int y = 0; y < size.height(); y += picture.height())
            painter.drawPixmap(x, y, m_bitmap);
}

void TEFWallPaper::paint(QPainter& painter, const QRect& client) {
    if (!m_enabled || !hasPicture())
        return;
    if (bufferSize().width() < client.width() || bufferSize().height() < client.height())
        rebuildBuffer(client.size());
    const QSize buffer = bufferSize();
    QRect source(QPoint(0, 0), client.size());
    if (m_display == TEFWallPaperDisplay::dwCenter)
        source.moveTopLeft(QPoint((buffer.width() - client.width()) / 2, (buffer.height() - client.height()) / 2));
    const qreal ratio = m_buffer.devicePixelRatio();
    painter.drawPixmap(client, m_buffer, QRectF(source.topLeft() * ratio, source.size() * ratio).toRect());
}
