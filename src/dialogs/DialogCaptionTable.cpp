#include "dialogs/DialogCaptionTable.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

void applyCaptions(QWidget* dialog, std::span<const DialogCaption> captions, int languageCode) {
    for (const DialogCaption& caption : captions) {
        const QString text = caption.text.in(languageCode);
        if (dialog->objectName() == QLatin1String(caption.control)) {
            dialog->setWindowTitle(text);
        } else if (auto* button = dialog->findChild<QAbstractButton*>(caption.control)) {
            button->setText(text);
        } else if (auto* label = dialog->findChild<QLabel*>(caption.control)) {
            label->setText(text);
        } else {
            qFatal("caption for a missing control %s", caption.control);
        }
    }
}
