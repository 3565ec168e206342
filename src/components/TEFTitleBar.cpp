#include "TEFTitleBar.h"

#include "TEFCaptionButtonPainter.h"
#include "TEFCaptionText.h"
#include "TEFGradient.h"
#include "TEFSystemMetrics.h"
#include "TEFTBSpecialCaption.h"
#include "TEnhancedForm.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QStyle>
#include <QWidget>

TEFTitleBar::TEFTitleBar(TEnhancedForm* owner)
    : TEFBase(owner)
    , m_applicationInfo(std::make_unique<TEFTBSpecialCaption>(this, fsBold))
    , m_companyInfo(std::make_unique<TEFTBSpecialCaption>(this, fsBold | fsItalic)) {
    reloadSystemFont();
}

TEFTitleBar::~TEFTitleBar() = default;

void TEFTitleBar::setAlignment(TAlignment alignment) {
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    Update();
}

void TEFTitleBar::setColor(const QColor& color) {
    if (color == m_color)
        return;
    m_color = color;
    Update();
}

void TEFTitleBar::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    // Switching the title bar off gives the window its platform frame back at once.
    m_owner->Paint();
}

void TEFTitleBar::setNbOfColors(int count) {
    if (!acceptsNbOfColors(count) || count == m_nbOfColors)
        return;
    m_nbOfColors = count;
    Update();
}

void TEFTitleBar::setType(TGradientType type) {
    if (type == m_type)
        return;
    m_type = type;
    Update();
}

void TEFTitleBar::Update() {
    if (m_enabled)
        m_owner->Paint();
}

void TEFTitleBar::noteActivation(bool active) {
    m_active = active;
    m_stateKnown = true;
}

bool TEFTitleBar::isActive() const {
    if (m_stateKnown)
        return m_active;
    return m_owner->form()->isActiveWindow();
}

void TEFTitleBar::reloadSystemFont() {
    m_font = systemCaptionFont();
    m_metrics = systemCaptionMetrics(*QApplication::style(), m_font);
}

QFont TEFTitleBar::fontWithStyle(TFontStyles style) const {
    QFont font = m_font;
    font.setBold(style.testFlag(fsBold));
    font.setItalic(style.testFlag(fsItalic));
    font.setUnderline(style.testFlag(fsUnderline));
    font.setStrikeOut(style.testFlag(fsStrikeOut));
    return font;
}

namespace {

QPixmap captionIcon(const QWidget& form, int side) {
    // The form's icon falls back to the application's; the last resort is the desktop's icon of
    // a program file. An icon whose files are missing draws nothing and counts as none.
    const QSize size(side, side);
    const qreal ratio = form.devicePixelRatio();
    QPixmap picture = form.windowIcon().pixmap(size, ratio);
    if (picture.isNull())
        picture = QIcon::fromTheme(QStringLiteral("application-x-executable"),
                                   form.style()->standardIcon(QStyle::SP_FileIcon))
                      .pixmap(size, ratio);
    return picture;
}

QString captionOf(const QWidget& form) {
    QString title = form.windowTitle();
    title.replace(QStringLiteral("[*]"), form.isWindowModified() ? QStringLiteral("*") : QString());
    return title;
}

void drawCaptionText(QPainter& painter, const QFont& font, const QString& text, int left, const QRect& area) {
    const QRect box(left, area.top(), area.right() + 1 - left, area.height());
    if (box.width() <= 0)
        return;
    painter.setFont(font);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(text, Qt::ElideRight, box.width()));
}

} // namespace

void TEFTitleBar::paintCaption(QPainter& painter, const TEFNonClientLayout& layout,
                               const TEFCaptionPaintState& state) const {
    if (layout.caption.isEmpty())
        return;
    const QWidget& form = *m_owner->form();
    const TEFCaptionColors colors = captionColors(form.palette(), state.active);
    QRect text = layout.text;

    for (const TEFGradientBand& band :
         gradientBands(m_type, colors.caption.rgb(), m_color.rgb(), text.left(), text.width(), m_nbOfColors))
        painter.fillRect(QRect(band.left, text.top(), band.right - band.left, text.height()), QColor(band.color));
    painter.fillRect(
        QRect(text.right() + 1, layout.caption.top(), layout.caption.right() - text.right(), layout.caption.height()),
        colors.caption);

    if (layout.showsIcon) {
        painter.drawPixmap(layout.icon, captionIcon(form, layout.icon.width()));
        text.setLeft(text.left() + 1 + layout.icon.width());
    }

    const bool maximized = form.isMaximized();
    const bool minimized = form.isMinimized();
    for (const TEFButtonPlace& place : layout.buttons) {
        const bool restore = (place.button == TEFCaptionButton::Maximize && maximized) ||
                             (place.button == TEFCaptionButton::Minimize && minimized);
        paintCaptionButton(painter, *form.style(), form.palette(), place, state.pressedButton == place.button, restore);
    }

    const QFont companyFont = fontWithStyle(m_companyInfo->FontStyle());
    const QFont applicationFont = fontWithStyle(m_applicationInfo->FontStyle());
    const QString caption = captionOf(form);
    TEFCaptionTextWidths widths;
    widths.company = captionTextSlot(QFontMetrics(companyFont).horizontalAdvance(m_companyInfo->Caption()),
                                     m_companyInfo->isPresent());
    widths.application = captionTextSlot(QFontMetrics(applicationFont).horizontalAdvance(m_applicationInfo->Caption()),
                                         m_applicationInfo->isPresent());
    widths.caption = captionTextSlot(QFontMetrics(m_font).horizontalAdvance(caption), !caption.isEmpty());
    const TEFCaptionTextPlan plan = planCaptionTexts(text.left(), text.right() + 1, widths, m_alignment);

    painter.save();
    painter.setPen(colors.text);
    if (plan.showCompany)
        drawCaptionText(painter, companyFont, m_companyInfo->Caption(), plan.companyLeft, text);
    if (plan.showApplication)
        drawCaptionText(painter, applicationFont, m_applicationInfo->Caption(), plan.applicationLeft, text);
    drawCaptionText(painter, m_font, caption, plan.captionLeft, text);
    painter.restore();
}
