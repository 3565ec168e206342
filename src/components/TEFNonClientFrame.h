#pragma once

#include <QMargins>
#include <QPointer>
#include <QWidget>

// Takes the platform's frame off a window and keeps a margin free around its client area for a
// frame drawn by the window itself; puts everything back when removed. A form with a layout keeps
// its children in place through its contents margins; the children of a form without a layout
// are moved. A window of fixed or explicitly set size grows, so its client area keeps its size.
class TEFNonClientFrame {
public:
    explicit TEFNonClientFrame(QWidget* form)
        : m_form(form) {}

    bool isApplied() const { return m_applied; }
    const QMargins& margins() const { return m_margins; }
    // Whether the form asked for mouse moves without a button itself.
    bool formTracksMouse() const { return m_formTracksMouse; }

    // Frameless with these margins; called again, only the margins change. The window grows or
    // shrinks with them unless keepWindowSize is set (the window manager has just sized it).
    void apply(const QMargins& margins, bool keepWindowSize = false);
    void remove();

private:
    void shift(const QMargins& delta, bool keepWindowSize);
    void setFrameless(bool frameless);

    QPointer<QWidget> m_form;
    bool m_applied = false;
    bool m_setFrameless = false;
    Qt::WindowFlags m_formFlags;
    bool m_formTracksMouse = false;
    QMargins m_margins;
};
