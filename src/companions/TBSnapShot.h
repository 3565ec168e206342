#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Saves the part of a form that a control covers as a JPEG file.
class TBSnapShot : public QObject {
    Q_OBJECT
public:
    explicit TBSnapShot(QObject* parent = nullptr);

    // Copies the form's pixels in the control's rectangle, moved by the offsets (the control's
    // position is taken in its parent), and writes them at the given JPEG quality. True when the
    // file was written; otherwise errorString() tells why and no file is left behind.
    bool SaveToJPEGFile(int quality, const QString& fileName, QWidget* form, QWidget* control, int xOffset,
                        int yOffset);
    QString errorString() const { return m_errorString; }

private:
    QString m_errorString;
};
