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
    // As the arrow buttons do (the Up and Down keys of the number field, too): emits stepped when
    // the position changed.
    void step(int delta);

signals:
    // The user stepped the position.
    void stepped(int position);

private:
    int m_minimum;
    int m_maximum;
    int m_position;
};
