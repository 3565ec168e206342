#include "dialogs/DialogWidgets.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QToolButton>

namespace {
constexpr int StripHeight = 28;
}

void centreOnScreen(QWidget* window) {
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void useDialogBorder(QWidget* dialog) {
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

QToolButton* makeSpeedButton(QWidget* parent, const char* name, const QIcon& icon) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(icon);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

QLabel* makeLabel(QWidget* parent, const char* name, bool wordWrap) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(wordWrap);
    return label;
}

bool hasVisibleCharacter(QStringView text) {
    for (const QChar c : text) {
        if (c != u' ' && c.category() != QChar::Other_Control)
            return true;
    }
    return false;
}

DialogImageStrip::DialogImageStrip(const QStringList& imageNames, QWidget* parent)
    : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (const QString& name : imageNames) {
        auto* image = new QLabel(this);
        image->setObjectName(name);
        // Each image shows the top left of the picture, clipped to its own size.
        image->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        row->addWidget(image);
        m_images.append(image);
    }
    setFixedHeight(StripHeight);
}

void DialogImageStrip::showPicture() {
    showPicture(QPixmap(QStringLiteral(":/band.png")));
}

void DialogImageStrip::showPicture(const QPixmap& picture) {
    for (QLabel* image : m_images)
        image->setPixmap(picture);
}

void DialogImageStrip::clearPictures() {
    for (QLabel* image : m_images)
        image->clear();
}

bool isEnterKey(const QKeyEvent& event) {
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    return enter && !(event.modifiers() & (Qt::AltModifier | Qt::ControlModifier));
}
