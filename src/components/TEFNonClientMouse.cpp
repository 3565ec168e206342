#include "TEFNonClientMouse.h"

#include "TEFWindowMenu.h"
#include "TEnhancedForm.h"

#include <QMouseEvent>
#include <QWhatsThis>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace {

// The icon and the gap around it up to the caption's edges.
QRect iconZone(const TEFNonClientLayout& layout) {
    return QRect(layout.caption.left(), layout.caption.top(), layout.icon.right() + 2 - layout.caption.left(),
                 layout.caption.height());
}

Qt::CursorShape cursorFor(Qt::Edges edges) {
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool falling = edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge);
        return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    return horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor;
}

} // namespace

bool TEFNonClientMouse::handle(QMouseEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return press(event, false);
    case QEvent::MouseButtonDblClick:
        return press(event, true);
    case QEvent::MouseMove:
        return move(event);
    case QEvent::MouseButtonRelease:
        return release(event);
    default:
        return false;
    }
}

void TEFNonClientMouse::leave() {
    if (m_gesture == Gesture::None)
        showEdgeCursor({});
}

void TEFNonClientMouse::reset() {
    m_gesture = Gesture::None;
    m_pressOnFrame = false;
    showEdgeCursor({});
}

std::optional<TEFCaptionButton> TEFNonClientMouse::pressedButton() const {
    if (m_gesture == Gesture::Button && m_onButton)
        return m_button;
    return std::nullopt;
}

std::optional<TEFButtonPlace> TEFNonClientMouse::buttonAt(const QPoint& point) const {
    for (const TEFButtonPlace& place : m_owner.nonClientLayout().buttons)
        if (place.rect.contains(point))
            return place;
    return std::nullopt;
}

bool TEFNonClientMouse::press(QMouseEvent* event, bool doubleClick) {
    const QPoint point = event->position().toPoint();
    if (!m_pressOnFrame && m_owner.clientRect().contains(point))
        return false;
    const bool first = !m_pressOnFrame;
    m_pressOnFrame = true;
    if (event->button() != Qt::LeftButton || !first)
        return true;
    const TEFNonClientLayout layout = m_owner.nonClientLayout();
    QWidget* form = m_owner.form();
    m_pressGlobal = event->globalPosition().toPoint();
    m_startGeometry = form->geometry();
    // Buttons take a second click as a click of its own; a double click on the caption maximises.
    if (const std::optional<TEFButtonPlace> place = buttonAt(point)) {
        m_gesture = Gesture::Button;
        m_button = place->button;
        m_onButton = true;
        m_owner.repaintNonClient();
        return true;
    }
    const bool maximized = form->isMaximized();
    if (const Qt::Edges edges = resizeEdgesAt(layout, form->size(), point); edges && !maximized) {
        if (form->windowHandle() && form->windowHandle()->startSystemResize(edges))
            return true;
        m_gesture = Gesture::Resizing;
        m_edges = edges;
        return true;
    }
    if (!layout.caption.contains(point))
        return true;
    if (layout.showsIcon && iconZone(layout).contains(point) && !doubleClick) {
        // Opened below the icon, as the platform's caption icon does.
        const QPoint below = form->mapToGlobal(QPoint(layout.caption.left(), layout.caption.bottom() + 1));
        showWindowMenu(*form, m_owner.borderIcons(), below);
        return true;
    }
    if (doubleClick)
        toggleMaximized();
    else if (!maximized)
        m_gesture = Gesture::CaptionPress;
    return true;
}

bool TEFNonClientMouse::move(QMouseEvent* event) {
    QWidget* form = m_owner.form();
    const QPoint point = event->position().toPoint();
    const QPoint global = event->globalPosition().toPoint();
    switch (m_gesture) {
    case Gesture::None:
        if (event->buttons() != Qt::NoButton)
            return m_pressOnFrame;
        showEdgeCursor(resizeEdgesAt(m_owner.nonClientLayout(), form->size(), point));
        // Moves without a button reach the form only if it asked for them.
        return !m_owner.formTracksMouse() || !m_owner.clientRect().contains(point);
    case Gesture::Button: {
        const std::optional<TEFButtonPlace> place = buttonAt(point);
        const bool onButton = place && place->button == m_button;
        if (onButton != m_onButton) {
            m_onButton = onButton;
            m_owner.repaintNonClient();
        }
        return true;
    }
    case Gesture::CaptionPress:
        // The window follows from the first pixel: a caption press is never a click that a
        // small slip of the mouse should keep from moving.
        if (global == m_pressGlobal)
            return true;
        // The window manager moves from where the pointer is now; the pixels since the press first.
        form->move(m_startGeometry.topLeft() + global - m_pressGlobal);
        if (form->windowHandle() && form->windowHandle()->startSystemMove()) {
            m_gesture = Gesture::None;
            return true;
        }
        m_gesture = Gesture::Moving;
        [[fallthrough]];
    case Gesture::Moving:
        form->move(m_startGeometry.topLeft() + global - m_pressGlobal);
        return true;
    case Gesture::Resizing:
        form->setGeometry(
            resizedGeometry(m_startGeometry, m_edges, global - m_pressGlobal, smallestSize(), form->maximumSize()));
        return true;
    }
    return true;
}

bool TEFNonClientMouse::release(QMouseEvent* event) {
    const bool onFrame = m_pressOnFrame;
    if (event->buttons() == Qt::NoButton)
        m_pressOnFrame = false;
    if (event->button() != Qt::LeftButton)
        return onFrame;
    const Gesture gesture = std::exchange(m_gesture, Gesture::None);
    if (gesture == Gesture::Button) {
        m_owner.repaintNonClient();
        if (m_onButton)
            perform(m_button);
    }
    return onFrame;
}

QSize TEFNonClientMouse::smallestSize() const {
    // Never smaller than the frame with its buttons and the icon.
    const TEFNonClientLayout layout = m_owner.nonClientLayout();
    const QMargins& margins = layout.margins;
    const QSize frame(margins.left() + margins.right() + layout.caption.width() - layout.text.width() +
                          2 * layout.caption.height(),
                      margins.top() + margins.bottom());
    return m_owner.form()->minimumSize().expandedTo(frame);
}

void TEFNonClientMouse::perform(TEFCaptionButton button) {
    QWidget* form = m_owner.form();
    switch (button) {
    case TEFCaptionButton::Close:
        form->close();
        return;
    case TEFCaptionButton::Maximize:
        toggleMaximized();
        return;
    case TEFCaptionButton::Minimize:
        if (!m_owner.borderIcons().testFlag(biMinimize))
            return;
        if (form->isMinimized())
            form->showNormal();
        else
            form->showMinimized();
        return;
    case TEFCaptionButton::Help:
        QWhatsThis::enterWhatsThisMode();
        return;
    }
}

void TEFNonClientMouse::toggleMaximized() {
    QWidget* form = m_owner.form();
    const TEFNonClientLayout layout = m_owner.nonClientLayout();
    const bool canMaximize = std::any_of(layout.buttons.begin(), layout.buttons.end(), [](const TEFButtonPlace& place) {
        return place.button == TEFCaptionButton::Maximize && place.enabled;
    });
    if (!canMaximize)
        return;
    if (form->isMaximized())
        form->showNormal();
    else
        form->showMaximized();
}

void TEFNonClientMouse::showEdgeCursor(Qt::Edges edges) {
    QWidget* form = m_owner.form();
    if (edges) {
        if (!m_cursorChanged) {
            m_formHadCursor = form->testAttribute(Qt::WA_SetCursor);
            m_formCursor = form->cursor();
            m_cursorChanged = true;
        }
        form->setCursor(cursorFor(edges));
        return;
    }
    if (!m_cursorChanged)
        return;
    m_cursorChanged = false;
    if (m_formHadCursor)
        form->setCursor(m_formCursor);
    else
        form->unsetCursor();
}
