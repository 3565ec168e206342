#pragma once

#include "app/frame/MainCommand.h"

#include <QWidget>
#include <utility>
#include <vector>

class QToolBar;
class QToolButton;

// The band at the top of the main window ("CoolBar1") with its background picture, holding
// "ToolBar1" with the six command buttons.
class MainToolBar : public QWidget {
    Q_OBJECT
public:
    explicit MainToolBar(QWidget* parent = nullptr);

    QToolButton* button(const QString& objectName) const;
    const std::vector<std::pair<QToolButton*, MainCommand>>& commandButtons() const { return m_buttons; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QToolBar* m_toolBar;
    std::vector<std::pair<QToolButton*, MainCommand>> m_buttons;
};
