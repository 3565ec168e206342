#include "app/operations/WindowProgressSink.h"

#include "app/frame/MainStatusBar.h"

#include <QProgressBar>
#include <QWidget>

WindowProgressSink::WindowProgressSink(QWidget& window, MainStatusBar& statusBar)
    : m_window(window)
    , m_statusBar(statusBar) {}

void WindowProgressSink::setProgressMaximum(int maximum) {
    m_statusBar.progressBar()->setRange(0, maximum);
}

void WindowProgressSink::setProgressValue(int value) {
    m_statusBar.progressBar()->setValue(value);
}

void WindowProgressSink::setPercentText(const QString& text) {
    m_statusBar.setPanelText(MainStatusBar::PercentPanel, text);
}

void WindowProgressSink::setRemainingText(const QString& text) {
    m_statusBar.setPanelText(MainStatusBar::TimePanel, text);
}

void WindowProgressSink::setApplicationTitle(const QString& text) {
    m_window.setWindowIconText(text);
}

void WindowProgressSink::setWindowCaption(const QString& text) {
    m_window.setWindowTitle(text);
}
