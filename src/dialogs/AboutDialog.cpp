#include "dialogs/AboutDialog.h"

#include "components/TBHTML.h"
#include "components/TEnhancedFormProgram.h"
#include "components/core/MainTexts.h"
#include "components/core/ProgramIdentity.h"
#include "dialogs/AboutDialogTexts.h"
#include "dialogs/DialogWidgets.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int IconSize = 64;

QFont pixelFont(const QString& family, int pixels, bool bold) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QPixmap programPicture() {
    return QPixmap(QStringLiteral(":/parcelon-128.png"))
        .scaled(IconSize, IconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// The logo beside the note on how the program was made.
QPixmap toolLogo() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x1f, 0x4e, 0x8c));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    painter.setPen(Qt::white);
    painter.setFont(pixelFont(QStringLiteral("Arial"), 11, true));
    painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("C++"));
    return picture;
}
} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Form4"));
    setModal(true);
    useDialogBorder(this);
    m_html = new TBHTML(this);
    m_html->setObjectName(QStringLiteral("BHTML1"));
    buildLayout();
    setFixedSize(307, 226);
    attachProgramDecoration(this, ProgramWindowKind::Dialog);
}

void AboutDialog::buildLayout() {
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Panel1"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(2);
    frame->setAutoFillBackground(true);
    QPalette black = frame->palette();
    black.setColor(QPalette::Window, Qt::black);
    frame->setPalette(black);
    auto* icon = makeLabel(frame, "Image1");
    icon->setPixmap(programPicture());
    icon->setAlignment(Qt::AlignCenter);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(4, 4, 4, 4);
    frameLayout->addWidget(icon);

    auto* maker = makeLabel(this, "Label2");
    maker->setText(AboutMakerName.toString());
    maker->setFont(pixelFont(QStringLiteral("Arial"), 16, true));
    auto* product = makeLabel(this, "Label7");
    product->setText(AboutProductName.toString());
    product->setFont(pixelFont(QStringLiteral("Arial Black"), 32, true));
    m_version = makeLabel(this, "Label6");
    auto* names = new QVBoxLayout;
    names->setSpacing(0);
    names->addWidget(maker);
    names->addWidget(product);
    names->addWidget(m_version);
    auto* top = new QHBoxLayout;
    top->addWidget(frame);
    top->addLayout(names, 1);

    auto* author = makeLabel(this, "Label4", true);
    m_productAddress = makeLinkLabel("Label8");
    m_productAddress->setText(AboutProductWebAddress.toString());
    m_makerAddress = makeLinkLabel("Label1");

    auto* logo = makeLabel(this, "Image3");
    logo->setPixmap(toolLogo());
    auto* note = makeLabel(this, "Label5", true);
    auto* noteRow = new QHBoxLayout;
    noteRow->addWidget(logo);
    noteRow->addWidget(note, 1);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    auto* rights = makeLabel(this, "Label3");
    rights->setText(AboutRightsNotice.toString());
    rights->setFont(pixelFont(QStringLiteral("Arial"), 10, false));
    m_close = makeSpeedButton(this, "BitBtn1", style()->standardIcon(QStyle::SP_DialogCloseButton));
    connect(m_close, &QToolButton::clicked, this, &AboutDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(rights, 1);
    bottom->addWidget(m_close);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 6);
    page->setSpacing(3);
    page->addLayout(top);
    page->addWidget(author);
    page->addWidget(m_productAddress);
    page->addWidget(m_makerAddress);
    page->addLayout(noteRow);
    page->addWidget(bevel);
    page->addLayout(bottom);
}

QLabel* AboutDialog::makeLinkLabel(const char* name) {
    auto* label = makeLabel(this, name);
    QFont underlined = label->font();
    underlined.setUnderline(true);
    label->setFont(underlined);
    QPalette blue = label->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(blue);
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
    return label;
}

void AboutDialog::setLanguageCode(int languageCode) {
    m_languageCode = languageCode;
}

QString AboutDialog::TextById(int id, int languageCode) {
    switch (id) {
    case 1:
        return languageCode == LanguageGerman ? ProgramIdentity::WebAddressGerman : ProgramIdentity::WebAddressEnglish;
    case 2:
        return AboutTitleStart.in(languageCode);
    case 3:
        return AboutVersionWord.in(languageCode);
    default:
        return {};
    }
}

void AboutDialog::setVisible(bool visible) {
    if (visible && !isVisible()) {
        prepareShowing();
        centreOnScreen(this);
    }
    QDialog::setVisible(visible);
}

void AboutDialog::prepareShowing() {
    applyCaptions(this, AboutCaptions, m_languageCode);
    m_makerAddress->setText(TextById(1, m_languageCode));
    setWindowTitle(TextById(2, m_languageCode) + ProgramIdentity::Name + ProgramIdentity::Version);
    m_version->setText(TextById(3, m_languageCode) + ProgramIdentity::Version);
}

void AboutDialog::keyPressEvent(QKeyEvent* event) {
    if (isEnterKey(*event))
        m_close->click();
    else
        QDialog::keyPressEvent(event);
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == m_makerAddress)
            m_html->CallExternUrl(TextById(1, m_languageCode));
        else if (watched == m_productAddress)
            m_html->CallExternUrl(AboutProductWebAddress.toString());
    }
    return QDialog::eventFilter(watched, event);
}
