#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

// Size in bytes; 0 when the file is missing or cannot be opened.
std::int64_t FileSizeOf(const QString& path);

// The file's last-write time (local) in the date format of the given language, "dd.mm.yy hh:nn"
// or "mm.dd.yy hh:nn": always 14 characters with every field at a fixed position. "0" when the
// file is missing or its time cannot be read.
QString FileDateText(const QString& path, int languageCode);

// The same for a given time and a format written with dd, mm, yy, hh (24 hours) and nn (minutes).
QString FormatFileDate(const QDateTime& time, const QString& format);
