#pragma once

#include "TEFCaptionGeometry.h"
#include "TEFTypes.h"

#include <QObject>
#include <QPixmap>
#include <memory>
#include <stdexcept>

class QPaintEvent;
class QPainter;
class QRegion;
class QWidget;
class TEFNonClientFrame;
class TEFNonClientMouse;
class TEFTitleBar;
class TEFTrayIcon;
class TEFWallPaper;

// Raised when a TEnhancedForm cannot be attached to the owner it was given.
class TEnhancedFormError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decorates a form with a title bar it draws itself (the platform's frame is switched off while
// it is shown), an icon in the notification area and a picture behind the client area.
// It hooks the form's events: it sees each one first, lets the form handle it and adds its own
// work after. Disabled or destroyed, it leaves the form as it found it.
class TEnhancedForm : public QObject {
    Q_OBJECT
public:
    // The owner must be a window that has no TEnhancedForm yet; otherwise TEnhancedFormError.
    explicit TEnhancedForm(QObject* owner);
    ~TEnhancedForm() override;

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    TEFTitleBar* TitleBar() const { return m_titleBar.get(); }
    TEFTrayIcon* TrayIcon() const { return m_trayIcon.get(); }
    TEFWallPaper* WallPaper() const { return m_wallPaper.get(); }

    QWidget* form() const { return m_form; }
    // The form's frame and caption buttons; read from its window flags at construction.
    TBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);
    TBorderIcons borderIcons() const { return m_borderIcons; }
    void setBorderIcons(TBorderIcons icons);

    // Called once the properties are set: starts the tray icon.
    void Loaded();
    // Lays the self-drawn frame out again and repaints it.
    void Paint();

    // The title bar is drawn by us right now.
    bool drawsFrame() const;
    // The form's client area in form coordinates: inside the self-drawn frame.
    QRect clientRect() const;
    TEFNonClientLayout nonClientLayout() const;
    bool formTracksMouse() const;
    void repaintNonClient();
    // Shows the form again, also after a minimise that took it to the tray.
    void showFormAndApplication();
    void hideFormAndApplication();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TEFMetrics frameMetrics() const;
    void applyFrame(bool keepWindowSize);
    void restoreForm();
    void checkRestored();
    bool paintAfterForm(QPaintEvent* event);
    void paintNonClient(QPainter& painter, const QRegion& exposed);
    void systemSettingsChanged();

    QWidget* m_form;
    bool m_enabled = true;
    bool m_formDestroyed = false;
    TBorderStyle m_borderStyle;
    TBorderIcons m_borderIcons;
    std::unique_ptr<TEFNonClientFrame> m_frame;
    std::unique_ptr<TEFNonClientMouse> m_mouse;
    std::unique_ptr<TEFTitleBar> m_titleBar;
    std::unique_ptr<TEFTrayIcon> m_trayIcon;
    std::unique_ptr<TEFWallPaper> m_wallPaper;
    QPixmap m_nonClientBuffer;
    int m_restoreChecksLeft = 0;
};
