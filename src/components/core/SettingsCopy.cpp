#include "components/core/SettingsCopy.h"

#include <QFile>
#include <algorithm>

namespace {

bool sameValues(const QSettings& written, const QSettings& readBack) {
    const QStringList keys = written.allKeys();
    if (keys != readBack.allKeys())
        return false;
    return std::all_of(keys.begin(), keys.end(),
                       [&](const QString& key) { return written.value(key) == readBack.value(key); });
}

} // namespace

SettingsCopy::SettingsCopy(const QByteArray& fileBytes) {
    if (!m_folder.isValid()) {
        m_problem = m_folder.errorString();
        return;
    }
    const QString path = m_folder.filePath(QStringLiteral("settings.conf"));
    QFile copy(path);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(fileBytes) != fileBytes.size() || !copy.flush()) {
        m_problem = copy.errorString();
        return;
    }
    copy.close();
    m_settings = std::make_unique<QSettings>(path, QSettings::NativeFormat);
}

bool SettingsCopy::isReady(QString& reason) const {
    reason = m_problem;
    return m_settings != nullptr;
}

bool SettingsCopy::changedBytes(QByteArray& bytes, QString& reason) {
    m_settings->sync();
    // A format error only says the old file had lines QSettings could not read; the write went through.
    QFile copy(m_settings->fileName());
    if (m_settings->status() == QSettings::AccessError || !copy.open(QIODevice::ReadOnly)) {
        reason = copy.errorString();
        return false;
    }
    bytes = copy.readAll();
    // QSettings's own save can report success on a full disk and leave the copy short, so the
    // bytes must give back every value before they may replace the user's file.
    SettingsCopy check(bytes);
    if (!check.isReady(reason))
        return false;
    if (!sameValues(*m_settings, check.settings())) {
        reason = QStringLiteral("%1 was not written in full").arg(copy.fileName());
        return false;
    }
    return true;
}
