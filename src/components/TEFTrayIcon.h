#pragma once

#include "TEFBase.h"
#include "TEFTrayIconHost.h"
#include "TEFTypes.h"

#include <QIcon>
#include <QList>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QTimer;

// An icon for the form in the desktop's notification area: one picture or an animation through
// a list of pictures, a tip, opening the form on a click or double click, and a popup menu.
class TEFTrayIcon : public TEFBase {
public:
    using NotifyEvent = std::function<void(TEFTrayIcon* sender)>;
    using MouseEvent =
        std::function<void(TEFTrayIcon* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>;

    explicit TEFTrayIcon(TEnhancedForm* owner);
    ~TEFTrayIcon() override;

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    const QString& Hint() const { return m_hint; }
    void setHint(const QString& hint);
    const QIcon& Icon() const { return m_icon; }
    void setIcon(const QIcon& icon);
    // The pictures of the animation; empty optional for no list at all.
    const std::optional<QList<QIcon>>& IconList() const { return m_iconList; }
    void setIconList(std::optional<QList<QIcon>> list);
    // -1 cycles through the list, 0 or more shows that one picture; below -1 is ignored.
    int IconListIndex() const { return m_iconListIndex; }
    void setIconListIndex(int index);
    unsigned IconInterval() const { return m_iconInterval; }
    void setIconInterval(unsigned milliseconds);
    TTrayIconIconType IconType() const { return m_iconType; }
    void setIconType(TTrayIconIconType type);
    TTrayIconOpenAppOn OpenAppOn() const { return m_openAppOn; }
    void setOpenAppOn(TTrayIconOpenAppOn openAppOn) { m_openAppOn = openAppOn; }
    QMenu* PopupMenu() const { return m_popupMenu; }
    void setPopupMenu(QMenu* menu) { m_popupMenu = menu; }

    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    MouseEvent OnMouseUp; // only ever fired for a right click without a popup menu

    // Adds, refreshes or removes the icon in the notification area as the active rule says.
    void Update() override;

    // Shown while the component and the icon are enabled and there is a picture to show.
    bool isActive() const;
    bool isShown() const { return m_shown; }
    int currentFrame() const { return m_currentFrame; }
    bool isAnimating() const;
    QIcon currentImage() const;

    // At the end of the form's set-up: a minimised form goes to the tray at once.
    void startStep();
    // One tick of the animation timer.
    void animationStep();
    // The form was minimised: with an active icon in an existing notification area it leaves the
    // taskbar.
    void minimizeRule();
    // A hidden form that was to start in the tray stays hidden when it is first shown.
    bool takeStartHidden();

    // Replaces the notification area (tests); the icon moves to the new host.
    void setHost(std::unique_ptr<TEFTrayIconHost> host);
    TEFTrayIconHost& host() const { return *m_host; }

private:
    void setUpAnimation();
    void handle(TEFTrayNotification notification);

    bool m_enabled = true;
    QString m_hint;
    QIcon m_icon;
    std::optional<QList<QIcon>> m_iconList;
    int m_iconListIndex = -1;
    unsigned m_iconInterval = 1000;
    TTrayIconIconType m_iconType = TTrayIconIconType::itSingle;
    TTrayIconOpenAppOn m_openAppOn = TTrayIconOpenAppOn::ooDblClick;
    QPointer<QMenu> m_popupMenu;

    std::unique_ptr<TEFTrayIconHost> m_host;
    QTimer* m_timer;
    bool m_shown = false;
    bool m_startHidden = false;
    int m_currentFrame = -1;
};
