#include "TEFNonClientFrame.h"

#include <QLayout>

void TEFNonClientFrame::apply(const QMargins& margins, bool keepWindowSize) {
    if (!m_applied) {
        m_applied = true;
        m_formTracksMouse = m_form->hasMouseTracking();
        // The cursor has to change over the frame edges before any button is pressed.
        m_form->setMouseTracking(true);
        setFrameless(true);
    }
    shift(margins - m_margins, keepWindowSize);
    m_margins = margins;
}

void TEFNonClientFrame::remove() {
    if (!m_applied)
        return;
    shift(-m_margins, false);
    m_margins = {};
    setFrameless(false);
    m_form->setMouseTracking(m_formTracksMouse);
    m_applied = false;
}

void TEFNonClientFrame::shift(const QMargins& delta, bool keepWindowSize) {
    if (delta.isNull())
        return;
    m_form->setContentsMargins(m_form->contentsMargins() + delta);
    if (!m_form->layout()) {
        const QPoint offset(delta.left(), delta.top());
        for (QWidget* child : m_form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow())
                child->move(child->pos() + offset);
    }
    const QSize grow(delta.left() + delta.right(), delta.top() + delta.bottom());
    if (m_form->minimumWidth() == m_form->maximumWidth())
        m_form->setFixedWidth(m_form->minimumWidth() + grow.width());
    if (m_form->minimumHeight() == m_form->maximumHeight())
        m_form->setFixedHeight(m_form->minimumHeight() + grow.height());
    const bool sizedByPlatform = m_form->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    if (!keepWindowSize && !sizedByPlatform && (m_form->testAttribute(Qt::WA_Resized) || m_form->isVisible()))
        m_form->resize(m_form->size() + grow);
}

void TEFNonClientFrame::setFrameless(bool frameless) {
    if (frameless == m_setFrameless || (frameless && m_form->windowFlags().testFlag(Qt::FramelessWindowHint)))
        return;
    m_setFrameless = frameless;
    const bool visible = m_form->isVisible();
    if (frameless) {
        m_formFlags = m_form->windowFlags();
        // Qt gives a customised title bar with buttons its frame back: the buttons are ours now.
        m_form->setWindowFlags((m_formFlags & ~Qt::CustomizeWindowHint) | Qt::FramelessWindowHint);
    } else {
        m_form->setWindowFlags(m_formFlags);
    }
    // Changing the flags hides a window.
    if (visible)
        m_form->show();
}
