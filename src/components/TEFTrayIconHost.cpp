#include "TEFTrayIconHost.h"

#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

TEFTrayIconHost::~TEFTrayIconHost() = default;

void TEFTrayIconHost::notify(TEFTrayNotification notification) const {
    if (m_handler)
        m_handler(notification);
}

TEFSystemTrayIconHost::TEFSystemTrayIconHost() = default;

TEFSystemTrayIconHost::~TEFSystemTrayIconHost() = default;

void TEFSystemTrayIconHost::addIcon(const QIcon& icon, const QString& tip) {
    if (!m_icon) {
        m_icon = std::make_unique<QSystemTrayIcon>();
        // No context menu is given to Qt: a right click arrives as Context and the tray icon
        // decides between its popup menu and its mouse-up event.
        QObject::connect(m_icon.get(), &QSystemTrayIcon::activated, m_icon.get(),
                         [this](QSystemTrayIcon::ActivationReason reason) {
                             switch (reason) {
                             case QSystemTrayIcon::Trigger:
                                 notify(TEFTrayNotification::LeftButtonUp);
                                 break;
                             case QSystemTrayIcon::DoubleClick:
                                 notify(TEFTrayNotification::LeftButtonDoubleClick);
                                 break;
                             case QSystemTrayIcon::Context:
                                 notify(TEFTrayNotification::RightButtonUp);
                                 break;
                             default:
                                 break;
                             }
                         });
    }
    modifyIcon(icon, tip);
    m_icon->show();
}

void TEFSystemTrayIconHost::modifyIcon(const QIcon& icon, const QString& tip) {
    if (!m_icon)
        return;
    m_icon->setIcon(icon);
    m_icon->setToolTip(tip);
}

void TEFSystemTrayIconHost::deleteIcon() {
    if (m_icon)
        m_icon->hide();
}

void TEFSystemTrayIconHost::popUpMenu(QMenu& menu, const QPoint& globalPosition) {
    menu.popup(globalPosition);
}

QPoint TEFSystemTrayIconHost::cursorPosition() const {
    return QCursor::pos();
}

bool TEFSystemTrayIconHost::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}
