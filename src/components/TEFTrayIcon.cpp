#include "TEFTrayIcon.h"

#include "TEnhancedForm.h"

#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <limits>
#include <utility>

TEFTrayIcon::TEFTrayIcon(TEnhancedForm* owner)
    : TEFBase(owner)
    , m_host(std::make_unique<TEFSystemTrayIconHost>())
    , m_timer(new QTimer(owner)) {
    m_host->setHandler([this](TEFTrayNotification notification) { handle(notification); });
    m_timer->setInterval(int(m_iconInterval));
    QObject::connect(m_timer, &QTimer::timeout, owner, [this] { animationStep(); });
}

TEFTrayIcon::~TEFTrayIcon() {
    if (m_shown)
        m_host->deleteIcon();
    delete m_timer;
}

void TEFTrayIcon::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    Update();
}

void TEFTrayIcon::setHint(const QString& hint) {
    if (hint == m_hint)
        return;
    m_hint = hint;
    Update();
}

void TEFTrayIcon::setIcon(const QIcon& icon) {
    m_icon = icon;
    Update();
}

void TEFTrayIcon::setIconList(std::optional<QList<QIcon>> list) {
    m_iconList = std::move(list);
    setUpAnimation();
    Update();
}

void TEFTrayIcon::setIconListIndex(int index) {
    if (index < -1 || index == m_iconListIndex)
        return;
    m_iconListIndex = index;
    setUpAnimation();
    Update();
}

void TEFTrayIcon::setIconInterval(unsigned milliseconds) {
    if (milliseconds == m_iconInterval)
        return;
    m_iconInterval = milliseconds;
    m_timer->setInterval(int(std::min<unsigned>(milliseconds, std::numeric_limits<int>::max())));
}

void TEFTrayIcon::setIconType(TTrayIconIconType type) {
    if (type == m_iconType)
        return;
    m_iconType = type;
    setUpAnimation();
    Update();
}

bool TEFTrayIcon::isActive() const {
    if (!m_owner->Enabled() || !m_enabled)
        return false;
    if (m_iconType == TTrayIconIconType::itList)
        return m_iconList && !m_iconList->isEmpty();
    return !m_icon.isNull();
}

bool TEFTrayIcon::isAnimating() const {
    return m_timer->isActive();
}

QIcon TEFTrayIcon::currentImage() const {
    if (m_iconType != TTrayIconIconType::itList || !m_iconList || m_iconList->isEmpty())
        return m_icon;
    // Before the first tick of a cycling animation the frame is -1: show the first picture.
    const int frame = m_currentFrame >= 0 && m_currentFrame < m_iconList->size() ? m_currentFrame : 0;
    return m_iconList->at(frame);
}

void TEFTrayIcon::Update() {
    if (!isActive()) {
        if (m_shown)
            m_host->deleteIcon();
        m_shown = false;
    } else if (!m_shown) {
        m_host->addIcon(currentImage(), m_hint);
        m_shown = true;
    } else {
        m_host->modifyIcon(currentImage(), m_hint);
    }
}

void TEFTrayIcon::setUpAnimation() {
    if (m_iconList) {
        if (m_iconListIndex >= m_iconList->size())
            m_iconListIndex = -1;
        const bool cycle = m_iconType == TTrayIconIconType::itList && m_iconListIndex == -1;
        if (cycle && !m_timer->isActive())
            m_timer->start();
        else if (!cycle)
            m_timer->stop();
    } else {
        m_iconListIndex = -1;
        m_timer->stop();
    }
    m_currentFrame = m_iconListIndex;
}

void TEFTrayIcon::animationStep() {
    ++m_currentFrame;
    if (!m_iconList || m_currentFrame >= m_iconList->size())
        m_currentFrame = 0;
    Update();
}

void TEFTrayIcon::startStep() {
    if (!isActive())
        return;
    QWidget* form = m_owner->form();
    if (form->isMinimized() && m_host->isAvailable()) {
        if (form->isVisible())
            m_owner->hideFormAndApplication();
        else
            m_startHidden = true;
    }
    setUpAnimation();
    Update();
}

void TEFTrayIcon::minimizeRule() {
    // Without a notification area there would be no way back to a hidden form.
    if (isActive() && m_host->isAvailable())
        m_owner->hideFormAndApplication();
}

bool TEFTrayIcon::takeStartHidden() {
    return std::exchange(m_startHidden, false);
}

void TEFTrayIcon::setHost(std::unique_ptr<TEFTrayIconHost> host) {
    if (m_shown)
        m_host->deleteIcon();
    m_shown = false;
    m_host = std::move(host);
    m_host->setHandler([this](TEFTrayNotification notification) { handle(notification); });
    Update();
}

void TEFTrayIcon::handle(TEFTrayNotification notification) {
    switch (notification) {
    case TEFTrayNotification::LeftButtonUp:
        if (m_openAppOn == TTrayIconOpenAppOn::ooClick)
            m_owner->showFormAndApplication();
        if (OnClick)
            OnClick(this);
        return;
    case TEFTrayNotification::LeftButtonDoubleClick:
        if (m_openAppOn == TTrayIconOpenAppOn::ooDblClick)
            m_owner->showFormAndApplication();
        if (OnDblClick)
            OnDblClick(this);
        return;
    case TEFTrayNotification::RightButtonUp: {
        const QPoint at = m_host->cursorPosition();
        if (m_popupMenu)
            m_host->popUpMenu(*m_popupMenu, at);
        else if (OnMouseUp)
            OnMouseUp(this, Qt::RightButton, Qt::NoModifier, at.x(), at.y());
        return;
    }
    }
}
