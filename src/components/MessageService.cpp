#include "components/MessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpacerItem>

namespace {
MessageService* g_current = nullptr;
bool g_germanButtons = false;

QString buttonText(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Yes:
        return g_germanButtons ? QStringLiteral("&Ja") : QStringLiteral("&Yes");
    case QMessageBox::No:
        return g_germanButtons ? QStringLiteral("&Nein") : QStringLiteral("&No");
    case QMessageBox::Cancel:
        return g_germanButtons ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel");
    default:
        return QStringLiteral("OK");
    }
}

// Room for what the window manager draws beside the title: the window icon, its buttons and the
// frame's margins.
constexpr int TitleDecorationRoom = 140;
// The input box's own margins beside its text field.
constexpr int FieldMargins = 22;

// Wide enough that the window manager shows the whole title, which it draws in its own, often
// bold, font.
int widthShowingTitle(const QString& caption) {
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(caption) + TitleDecorationRoom;
}

QMessageBox::Icon iconFor(int flags) {
    switch (flags & 0xF0) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons buttonsFor(int flags) {
    switch (flags & 0x0F) {
    case 1:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case 3:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case 4:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}
} // namespace

MessageService& MessageService::current() {
    static DialogMessageService dialogs;
    return g_current ? *g_current : dialogs;
}

void DialogMessageService::setButtonLanguage(int languageCode) {
    g_germanButtons = languageCode == 1;
}

void MessageService::setCurrent(MessageService* service) {
    g_current = service;
}

MessageAnswer DialogMessageService::showMessage(const QString& text, const QString& caption, int flags) {
    QMessageBox box(iconFor(flags), caption, text, buttonsFor(flags), QApplication::activeWindow());
    for (QAbstractButton* button : box.buttons())
        button->setText(buttonText(box.standardButton(button)));
    // A message box sizes itself to its text; only a spacer in its grid makes it wider.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(widthShowingTitle(caption), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

std::optional<QString> DialogMessageService::inputText(const QString& caption, const QString& prompt,
                                                       const QString& defaultText) {
    QInputDialog box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    box.setOkButtonText(buttonText(QMessageBox::Ok));
    box.setCancelButtonText(buttonText(QMessageBox::Cancel));
    // The box's layout fixes its size to its contents; a wide enough field widens it.
    if (auto* field = box.findChild<QLineEdit*>())
        field->setMinimumWidth(widthShowingTitle(caption) - FieldMargins);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}
