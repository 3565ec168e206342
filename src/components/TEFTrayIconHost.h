#pragma once

#include <QIcon>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

class QMenu;
class QSystemTrayIcon;

// What the desktop reports about the tray icon.
enum class TEFTrayNotification { LeftButtonUp, LeftButtonDoubleClick, RightButtonUp };

// The notification area as the tray icon sees it. The real one is QSystemTrayIcon; tests put a
// recording one in its place.
class TEFTrayIconHost {
public:
    using Handler = std::function<void(TEFTrayNotification)>;

    virtual ~TEFTrayIconHost();

    virtual void addIcon(const QIcon& icon, const QString& tip) = 0;
    virtual void modifyIcon(const QIcon& icon, const QString& tip) = 0;
    virtual void deleteIcon() = 0;
    virtual void popUpMenu(QMenu& menu, const QPoint& globalPosition) = 0;
    virtual QPoint cursorPosition() const = 0;
    // Whether the desktop has a notification area to put the icon into right now.
    virtual bool isAvailable() const { return true; }

    void setHandler(Handler handler) { m_handler = std::move(handler); }
    // Passes a click on the icon to the tray icon.
    void notify(TEFTrayNotification notification) const;

private:
    Handler m_handler;
};

// The desktop's notification area through QSystemTrayIcon, created when first shown.
class TEFSystemTrayIconHost : public TEFTrayIconHost {
public:
    TEFSystemTrayIconHost();
    ~TEFSystemTrayIconHost() override;

    void addIcon(const QIcon& icon, const QString& tip) override;
    void modifyIcon(const QIcon& icon, const QString& tip) override;
    void deleteIcon() override;
    void popUpMenu(QMenu& menu, const QPoint& globalPosition) override;
    QPoint cursorPosition() const override;
    bool isAvailable() const override;

private:
    std::unique_ptr<QSystemTrayIcon> m_icon;
};
