#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Encodes an image as a baseline JPEG with libjpeg. The quality goes to the encoder unchanged
// (it holds it within 1 to 100). False, with error holding libjpeg's reason, when it fails.
bool EncodeJpeg(const QImage& image, int quality, QByteArray& jpeg, QString& error);
