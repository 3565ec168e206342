#include "components/TBStatus.h"

#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>

namespace {
constexpr int PanelGap = 2;   // between two panels' frames
constexpr int TextMargin = 2; // between a frame and its text
} // namespace

TBStatus::TBStatus(QWidget* parent)
    : QStatusBar(parent) {}

int TBStatus::addPanel(int width, Qt::Alignment alignment, PanelBevel bevel) {
    m_panels.append(Panel{QString(), width, alignment, bevel});
    update();
    return panelCount() - 1;
}

void TBStatus::setPanelText(int index, const QString& text) {
    if (!isPanel(index) || m_panels[index].text == text)
        return;
    m_panels[index].text = text;
    update(panelRect(index));
}

QString TBStatus::panelText(int index) const {
    return isPanel(index) ? m_panels[index].text : QString();
}

void TBStatus::setPanelWidth(int index, int width) {
    if (!isPanel(index) || m_panels[index].width == width)
        return;
    m_panels[index].width = width;
    update();
}

int TBStatus::panelWidth(int index) const {
    return isPanel(index) ? m_panels[index].width : 0;
}

void TBStatus::setPanelAlignment(int index, Qt::Alignment alignment) {
    if (!isPanel(index))
        return;
    m_panels[index].alignment = alignment;
    update(panelRect(index));
}

Qt::Alignment TBStatus::panelAlignment(int index) const {
    return isPanel(index) ? m_panels[index].alignment : Qt::Alignment(Qt::AlignLeft);
}

void TBStatus::setPanelBevel(int index, PanelBevel bevel) {
    if (!isPanel(index))
        return;
    m_panels[index].bevel = bevel;
    update(panelRect(index));
}

TBStatus::PanelBevel TBStatus::panelBevel(int index) const {
    return isPanel(index) ? m_panels[index].bevel : PanelBevel::Lowered;
}

QRect TBStatus::panelRect(int index) const {
    if (!isPanel(index))
        return {};
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += std::max(0, m_panels[i].width);
    const int right = index == panelCount() - 1 ? width() : left + std::max(0, m_panels[index].width);
    return QRect(QPoint(left, 0), QPoint(std::max(left, right) - 1, height() - 1));
}

int TBStatus::barHeight() const {
    return std::max(22, fontMetrics().height() + 2 * (PanelGap + TextMargin));
}

QSize TBStatus::sizeHint() const {
    return QSize(QStatusBar::sizeHint().width(), barHeight());
}

QSize TBStatus::minimumSizeHint() const {
    return QSize(QStatusBar::minimumSizeHint().width(), barHeight());
}

void TBStatus::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    for (int i = 0; i < panelCount(); ++i) {
        const Panel& panel = m_panels[i];
        // Each field stands a little below the bar's top edge and leaves a gap to its neighbour.
        const QRect frame = panelRect(i).adjusted(0, PanelGap, -PanelGap, 0);
        if (frame.width() <= 0 || !frame.intersects(event->rect()))
            continue;
        if (panel.bevel != PanelBevel::None)
            qDrawShadePanel(&painter, frame, palette(), panel.bevel == PanelBevel::Lowered, 1);
        if (panel.text.isEmpty())
            continue;
        const QRect textArea = frame.adjusted(TextMargin, 1, -TextMargin, -1);
        painter.save();
        // Text too long for its panel is cut at the frame, not at the margin.
        painter.setClipRect(frame.adjusted(1, 1, -1, -1));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(textArea, static_cast<int>(panel.alignment | Qt::AlignVCenter) | Qt::TextSingleLine,
                         panel.text);
        painter.restore();
    }
}
