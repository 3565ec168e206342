#pragma once

#include <QImage>
#include <QString>

// Reads a JPEG file back with libjpeg; a null image when it is no readable JPEG.
QImage DecodeJpegFile(const QString& fileName);
