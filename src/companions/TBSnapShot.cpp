#include "companions/TBSnapShot.h"

#include "companions/JpegEncoder.h"
#include "components/core/WholeFileSave.h"

#include <QImage>
#include <QWidget>

TBSnapShot::TBSnapShot(QObject* parent)
    : QObject(parent) {}

bool TBSnapShot::SaveToJPEGFile(int quality, const QString& fileName, QWidget* form, QWidget* control, int xOffset,
                                int yOffset) {
    m_errorString.clear();
    if (!form || !control) {
        m_errorString = QStringLiteral("%1 was not written: there is no form or control to copy.").arg(fileName);
        return false;
    }
    const QRect area(control->x() + xOffset, control->y() + yOffset, control->width(), control->height());
    QImage picture(area.size(), QImage::Format_RGB32);
    // What lies outside the form stays black.
    picture.fill(Qt::black);
    const QRect shown = area & form->rect();
    if (!shown.isEmpty())
        form->render(&picture, shown.topLeft() - area.topLeft(), QRegion(shown));

    QByteArray jpeg;
    QString reason;
    if (!EncodeJpeg(picture, quality, jpeg, reason)) {
        m_errorString = QStringLiteral("%1 was not written: %2").arg(fileName, reason);
        return false;
    }
    if (!saveWholeFile(fileName, jpeg, reason)) {
        m_errorString = QStringLiteral("%1 was not written: %2").arg(fileName, reason);
        return false;
    }
    return true;
}
