#pragma once

#include <QWidget>

class QToolButton;

// A pair of arrow buttons that step a number within a range, for a number field beside it.
class UpDownButtons : public QWidget {
    Q_OBJECT
public:
    UpDownButtons(int minimum, int maximum, QWidget* parent = nullptr);

    int position() const { return m_position; }
    // Clamped to the range; emits nothing.
    void setPosition(int position);

signals:
    // The user stepped the position.
    void stepped(int position);

private:
    void step(int delta);

    int m_minimum;
    int m_maximum;
    int m_position;
};
