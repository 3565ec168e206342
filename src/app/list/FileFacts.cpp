#include "app/list/FileFacts.h"

#include "components/core/MainTexts.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

std::int64_t FileSizeOf(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return 0;
    return file.size();
}

namespace {

// The value of a two-letter field of the date format; -1 when the letters are no field.
int fieldValue(const QDateTime& time, QStringView token) {
    if (token == u"dd")
        return time.date().day();
    if (token == u"mm")
        return time.date().month();
    if (token == u"yy")
        return time.date().year() % 100;
    if (token == u"hh")
        return time.time().hour();
    if (token == u"nn")
        return time.time().minute();
    return -1;
}

} // namespace

QString FormatFileDate(const QDateTime& time, const QString& format) {
    if (!time.isValid())
        return QStringLiteral("0");
    QString text;
    for (qsizetype i = 0; i < format.size();) {
        const int value = fieldValue(time, QStringView(format).mid(i, 2));
        if (value < 0) {
            text += format[i++];
            continue;
        }
        text += QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
        i += 2;
    }
    return text;
}

QString FileDateText(const QString& path, int languageCode) {
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("0");
    return FormatFileDate(info.lastModified(), TextById(1, languageCode));
}
