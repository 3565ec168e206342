#pragma once

#include "app/operations/ProgressDisplay.h"

class MainStatusBar;
class QWidget;

// The progress display's output on the main window: the status bar's progress bar and panels,
// the task bar text and the window caption.
class WindowProgressSink : public ProgressSink {
public:
    WindowProgressSink(QWidget& window, MainStatusBar& statusBar);

    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value) override;
    void setPercentText(const QString& text) override;
    void setRemainingText(const QString& text) override;
    void setApplicationTitle(const QString& text) override;
    void setWindowCaption(const QString& text) override;

private:
    QWidget& m_window;
    MainStatusBar& m_statusBar;
};
