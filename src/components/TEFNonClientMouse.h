#pragma once

#include "TEFCaptionGeometry.h"

#include <QCursor>
#include <QPoint>
#include <QRect>
#include <optional>

class QMouseEvent;
class TEnhancedForm;

// The mouse on the self-drawn frame: caption buttons, dragging the caption, a double click on
// it, and sizing at the edges. Moving and sizing are left to the window manager where it offers
// them and done here otherwise.
class TEFNonClientMouse {
public:
    explicit TEFNonClientMouse(TEnhancedForm& owner)
        : m_owner(owner) {}

    // True when the event belonged to the frame and must not reach the form.
    bool handle(QMouseEvent* event);
    // The pointer left the form or went onto a child: the form's own cursor again.
    void leave();
    // Forgets a gesture in progress and gives the form its cursor back.
    void reset();
    // The caption button under a pressed mouse button, drawn sunken.
    std::optional<TEFCaptionButton> pressedButton() const;

private:
    enum class Gesture { None, Button, CaptionPress, Moving, Resizing };

    bool press(QMouseEvent* event, bool doubleClick);
    bool move(QMouseEvent* event);
    bool release(QMouseEvent* event);
    void perform(TEFCaptionButton button);
    void toggleMaximized();
    QSize smallestSize() const;
    void showEdgeCursor(Qt::Edges edges);
    std::optional<TEFButtonPlace> buttonAt(const QPoint& point) const;

    TEnhancedForm& m_owner;
    Gesture m_gesture = Gesture::None;
    bool m_pressOnFrame = false; // the buttons now held went down on the frame, not on the form
    TEFCaptionButton m_button = TEFCaptionButton::Close;
    bool m_onButton = false;
    QPoint m_pressGlobal;
    QRect m_startGeometry;
    Qt::Edges m_edges;
    bool m_cursorChanged = false;
    bool m_formHadCursor = false;
    QCursor m_formCursor;
};
