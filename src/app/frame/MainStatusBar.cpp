#include "app/frame/MainStatusBar.h"

#include "app/frame/MainPictures.h"

#include <QHelpEvent>
#include <QLabel>
#include <QProgressBar>
#include <QResizeEvent>
#include <QToolTip>
#include <algorithm>

namespace {
// The lamps' left edges, counted back from the status bar's right edge.
constexpr int LeftLampFromRight = 50;
constexpr int RightLampFromRight = 30;
constexpr int LampSize = 16;
// Everything but the time panel: panels 0 to 2 (450) and the lamp area (59).
constexpr int FixedPanelsWidth = 509;
} // namespace

MainStatusBar::MainStatusBar(QWidget* parent)
    : TBStatus(parent)
    , m_progressBar(new QProgressBar(this)) {
    setObjectName(QStringLiteral("BStatus1"));
    setSizeGripEnabled(false);
    // The percentage panel takes from the progress panel what "100%" needs in this font, so the
    // panels up to it still end at 450.
    const int percentWidth = std::max(30, fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 8);
    const int progressWidth = 250 - (percentWidth - 30);
    addPanel(170, Qt::AlignLeft);
    addPanel(progressWidth, Qt::AlignLeft);
    addPanel(percentWidth, Qt::AlignRight);
    addPanel(60, Qt::AlignRight);
    addPanel(50, Qt::AlignLeft, PanelBevel::None);

    m_progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar->setTextVisible(false);
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setGeometry(172, 2, progressWidth - 3, 20);

    m_redLamp = addLamp("Image2", MainPictures::redLamp());
    m_greyLeftLamp = addLamp("Image3", MainPictures::greyLamp());
    m_greenLamp = addLamp("Image1", MainPictures::greenLamp());
    m_greyRightLamp = addLamp("Image4", MainPictures::greyLamp());
    showLamps(false);
}

QLabel* MainStatusBar::addLamp(const char* name, const QPixmap& picture) {
    auto* lamp = new QLabel(this);
    lamp->setObjectName(QString::fromLatin1(name));
    lamp->setPixmap(picture);
    lamp->setFixedSize(LampSize, LampSize);
    return lamp;
}

void MainStatusBar::showLamps(bool busy) {
    m_redLamp->setVisible(busy);
    m_greyLeftLamp->setVisible(!busy);
    m_greenLamp->setVisible(!busy);
    m_greyRightLamp->setVisible(busy);
}

int MainStatusBar::timePanelWidth(int statusBarWidth) {
    return statusBarWidth - FixedPanelsWidth;
}

void MainStatusBar::resizeEvent(QResizeEvent* event) {
    TBStatus::resizeEvent(event);
    const int barWidth = event->size().width();
    setPanelWidth(TimePanel, timePanelWidth(barWidth));
    const int top = (event->size().height() - LampSize) / 2;
    m_redLamp->move(barWidth - LeftLampFromRight, top);
    m_greyLeftLamp->move(barWidth - LeftLampFromRight, top);
    m_greenLamp->move(barWidth - RightLampFromRight, top);
    m_greyRightLamp->move(barWidth - RightLampFromRight, top);
    m_progressBar->setFixedHeight(std::min(20, event->size().height() - 2));
}

bool MainStatusBar::event(QEvent* event) {
    // At the window's first size the time panel has no room, so the bar and the percentage
    // also tell the remaining time; a tip the progress bar does not take comes here.
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString remaining = panelText(TimePanel);
        const bool overProgress = m_progressBar->geometry().contains(help->pos()) ||
                                  panelRect(ProgressPanel).contains(help->pos()) ||
                                  panelRect(PercentPanel).contains(help->pos());
        if (overProgress && !remaining.isEmpty()) {
            QToolTip::showText(help->globalPos(), remaining, this);
            return true;
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return TBStatus::event(event);
}
