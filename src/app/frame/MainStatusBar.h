#pragma once

#include "components/TBStatus.h"

class QLabel;
class QProgressBar;

// The main window's status bar "BStatus1": five panels, "ProgressBar1" over panel 1 and the two
// lamp positions at the right end ("Image2"/"Image3" left, "Image1"/"Image4" right).
class MainStatusBar : public TBStatus {
    Q_OBJECT
public:
    enum Panel { FilePanel = 0, ProgressPanel = 1, PercentPanel = 2, TimePanel = 3, LampPanel = 4 };

    explicit MainStatusBar(QWidget* parent = nullptr);

    QProgressBar* progressBar() const { return m_progressBar; }
    // Busy: red left lamp, grey right lamp; idle: grey left lamp, green right lamp.
    void showLamps(bool busy);

    // The room between panel 2 and the lamps: status bar width - 509.
    static int timePanelWidth(int statusBarWidth);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Over the progress bar and the percentage: the remaining time as a tip.
    bool event(QEvent* event) override;

private:
    QLabel* addLamp(const char* name, const QPixmap& picture);

    QProgressBar* m_progressBar;
    QLabel* m_redLamp;
    QLabel* m_greyLeftLamp;
    QLabel* m_greenLamp;
    QLabel* m_greyRightLamp;
};
