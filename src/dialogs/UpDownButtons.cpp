#include "dialogs/UpDownButtons.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

UpDownButtons::UpDownButtons(int minimum, int maximum, QWidget* parent)
    : QWidget(parent)
    , m_minimum(minimum)
    , m_maximum(maximum)
    , m_position(minimum) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (const auto& [arrow, delta] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        button->setFixedWidth(16);
        column->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, delta] { step(delta); });
    }
}

void UpDownButtons::setPosition(int position) {
    m_position = std::clamp(position, m_minimum, m_maximum);
}

void UpDownButtons::step(int delta) {
    const int next = std::clamp(m_position + delta, m_minimum, m_maximum);
    if (next == m_position)
        return;
    m_position = next;
    emit stepped(m_position);
}
