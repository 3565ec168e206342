#include "TEnhancedForm.h"

#include "TEFNonClientFrame.h"
#include "TEFNonClientMouse.h"
#include "TEFTitleBar.h"
#include "TEFTrayIcon.h"
#include "TEFWallPaper.h"

#include <QDialog>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <qdrawutil.h>

namespace {

// How often, and how far apart, a restored form is looked at until the window manager shows it.
constexpr int RestoreChecks = 5;
constexpr int RestoreCheckMs = 100;

QWidget* checkedForm(QObject* owner) {
    auto* form = qobject_cast<QWidget*>(owner);
    if (!form || !form->isWindow())
        throw TEnhancedFormError("The owner of a TEnhancedForm component must be a form...");
    if (form->findChild<TEnhancedForm*>(QString(), Qt::FindDirectChildrenOnly))
        throw TEnhancedFormError("Only one instance of TEnhancedForm per form is allowed...");
    return form;
}

TBorderStyle borderStyleOf(const QWidget& form) {
    if (form.windowFlags().testFlag(Qt::FramelessWindowHint))
        return TBorderStyle::bsNone;
    const bool fixed = form.minimumSize() == form.maximumSize();
    switch (form.windowType()) {
    case Qt::Tool:
        return fixed ? TBorderStyle::bsToolWindow : TBorderStyle::bsSizeToolWin;
    case Qt::Dialog:
        return fixed ? TBorderStyle::bsDialog : TBorderStyle::bsSizeable;
    default:
        return fixed ? TBorderStyle::bsSingle : TBorderStyle::bsSizeable;
    }
}

TBorderIcons borderIconsOf(const QWidget& form) {
    const Qt::WindowFlags flags = form.windowFlags();
    TBorderIcons icons;
    if (flags & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint))
        icons |= biSystemMenu;
    if (flags & Qt::WindowMinimizeButtonHint)
        icons |= biMinimize;
    if (flags & Qt::WindowMaximizeButtonHint)
        icons |= biMaximize;
    if (flags & Qt::WindowContextHelpButtonHint)
        icons |= biHelp;
    return icons;
}

} // namespace

TEnhancedForm::TEnhancedForm(QObject* owner)
    : QObject(checkedForm(owner))
    , m_form(static_cast<QWidget*>(owner))
    , m_borderStyle(borderStyleOf(*m_form))
    , m_borderIcons(borderIconsOf(*m_form))
    , m_frame(std::make_unique<TEFNonClientFrame>(m_form))
    , m_mouse(std::make_unique<TEFNonClientMouse>(*this))
    , m_titleBar(std::make_unique<TEFTitleBar>(this))
    , m_trayIcon(std::make_unique<TEFTrayIcon>(this))
    , m_wallPaper(std::make_unique<TEFWallPaper>(this)) {
    // A form deletes its children after it announced its end; nothing is put back then.
    connect(m_form, &QObject::destroyed, this, [this] { m_formDestroyed = true; });
    m_form->installEventFilter(this);
    Paint();
}

TEnhancedForm::~TEnhancedForm() {
    m_form->removeEventFilter(this);
    if (!m_formDestroyed) {
        m_mouse->reset();
        m_frame->remove();
    }
    m_titleBar.reset();
    m_trayIcon.reset();
    m_wallPaper.reset();
    if (!m_formDestroyed)
        m_form->update();
}

void TEnhancedForm::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    Paint();
    // The tray icon goes and comes with the component.
    m_trayIcon->Update();
}

void TEnhancedForm::setBorderStyle(TBorderStyle style) {
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    Paint();
}

void TEnhancedForm::setBorderIcons(TBorderIcons icons) {
    if (icons == m_borderIcons)
        return;
    m_borderIcons = icons;
    Paint();
}

void TEnhancedForm::Loaded() {
    m_trayIcon->startStep();
}

void TEnhancedForm::Paint() {
    applyFrame(false);
}

void TEnhancedForm::applyFrame(bool keepWindowSize) {
    if (m_enabled && m_titleBar->Enabled() && m_borderStyle != TBorderStyle::bsNone) {
        m_frame->apply(nonClientMargins(m_borderStyle, frameMetrics()), keepWindowSize);
    } else {
        m_mouse->reset();
        m_frame->remove();
    }
    m_form->update();
}

bool TEnhancedForm::drawsFrame() const {
    return m_frame->isApplied();
}

QRect TEnhancedForm::clientRect() const {
    return m_form->rect().marginsRemoved(m_frame->margins());
}

TEFNonClientLayout TEnhancedForm::nonClientLayout() const {
    if (!drawsFrame())
        return {};
    return ::nonClientLayout(m_form->size(), m_borderStyle, m_borderIcons, frameMetrics());
}

TEFMetrics TEnhancedForm::frameMetrics() const {
    return m_form->isMaximized() ? withoutFrame(m_titleBar->metrics()) : m_titleBar->metrics();
}

bool TEnhancedForm::formTracksMouse() const {
    return m_frame->formTracksMouse();
}

void TEnhancedForm::repaintNonClient() {
    if (drawsFrame())
        m_form->update(QRegion(m_form->rect()) - clientRect());
}

void TEnhancedForm::showFormAndApplication() {
    restoreForm();
    m_restoreChecksLeft = RestoreChecks;
    QTimer::singleShot(RestoreCheckMs, this, &TEnhancedForm::checkRestored);
}

void TEnhancedForm::restoreForm() {
    // A maximised form comes back maximised; only the minimised state goes.
    m_form->setWindowState((m_form->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    // The platform window can still be minimised while the form no longer knows: mapped so, the
    // window manager would iconify it at once.
    if (QWindow* window = m_form->windowHandle())
        window->setWindowStates(window->windowStates() & ~Qt::WindowMinimized);
    m_form->show();
    m_form->raise();
    m_form->activateWindow();
}

void TEnhancedForm::checkRestored() {
    // The window manager may answer the minimise that took the form to the tray only after the
    // form was shown again, and iconify it once more: then it is restored again.
    const QWindow* window = m_form->windowHandle();
    const bool restored = m_form->isVisible() && !m_form->isMinimized() && window && window->isExposed();
    if (restored || --m_restoreChecksLeft <= 0) {
        m_restoreChecksLeft = 0;
        return;
    }
    restoreForm();
    QTimer::singleShot(RestoreCheckMs, this, &TEnhancedForm::checkRestored);
}

void TEnhancedForm::hideFormAndApplication() {
    // The form's window carries its taskbar entry: hidden, the entry goes too.
    m_form->hide();
}

bool TEnhancedForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_form || !m_enabled)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        return paintAfterForm(static_cast<QPaintEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return drawsFrame() && m_mouse->handle(static_cast<QMouseEvent*>(event));
    case QEvent::Leave:
        m_mouse->leave();
        break;
    case QEvent::ActivationChange:
        m_titleBar->noteActivation(m_form->isActiveWindow());
        repaintNonClient();
        break;
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
    case QEvent::ModifiedChange:
        repaintNonClient();
        break;
    case QEvent::WindowStateChange:
        // Maximised, the frame goes and the caption runs from edge to edge.
        if (m_form->isMaximized() !=
            static_cast<QWindowStateChangeEvent*>(event)->oldState().testFlag(Qt::WindowMaximized))
            applyFrame(true);
        repaintNonClient();
        // While a restore is being checked, a minimise comes from the window manager's late answer.
        if (m_form->isMinimized() && m_restoreChecksLeft == 0)
            QMetaObject::invokeMethod(
                this, [this] { m_trayIcon->minimizeRule(); }, Qt::QueuedConnection);
        break;
    case QEvent::Show:
        if (m_trayIcon->takeStartHidden())
            QMetaObject::invokeMethod(this, &TEnhancedForm::hideFormAndApplication, Qt::QueuedConnection);
        break;
    case QEvent::StyleChange:
    case QEvent::ApplicationFontChange:
    case QEvent::ThemeChange:
        systemSettingsChanged();
        break;
    default:
        break;
    }
    return false;
}

void TEnhancedForm::systemSettingsChanged() {
    if (!m_titleBar->Enabled())
        return;
    m_titleBar->reloadSystemFont();
    m_titleBar->Update();
}

bool TEnhancedForm::paintAfterForm(QPaintEvent* event) {
    // The form paints itself first; the frame and the wallpaper go over its painting.
    static_cast<QObject*>(m_form)->event(event);
    QPainter painter(m_form);
    if (drawsFrame())
        paintNonClient(painter, event->region());
    const QRect client = clientRect();
    painter.setClipRect(client);
    m_wallPaper->paint(painter, client);
    return true;
}

void TEnhancedForm::paintNonClient(QPainter& painter, const QRegion& exposed) {
    const QRegion frame = QRegion(m_form->rect()) - clientRect();
    if (!exposed.intersects(frame))
        return;
    // Composed off-screen and copied in one step, so the caption never flickers.
    const qreal ratio = m_form->devicePixelRatio();
    const QSize pixels = (QSizeF(m_form->size()) * ratio).toSize();
    if (m_nonClientBuffer.size() != pixels) {
        m_nonClientBuffer = QPixmap(pixels);
        m_nonClientBuffer.setDevicePixelRatio(ratio);
    }
    QPainter buffer(&m_nonClientBuffer);
    buffer.fillRect(m_form->rect(), m_form->palette().color(QPalette::Window));
    if (!m_form->isMaximized())
        qDrawWinPanel(&buffer, m_form->rect(), m_form->palette(), false);
    m_titleBar->paintCaption(buffer, nonClientLayout(), {m_titleBar->isActive(), m_mouse->pressedButton()});
    buffer.end();
    painter.save();
    painter.setClipRegion(frame);
    painter.drawPixmap(0, 0, m_nonClientBuffer);
    painter.restore();
}
