#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// QSettings on a private copy of a settings file's bytes. QSettings never opens the user's file
// itself: a FIFO there would hang it, and on a full disk its save can leave the file empty.
class SettingsCopy {
public:
    explicit SettingsCopy(const QByteArray& fileBytes);

    // False, with `reason` telling why, when the private copy could not be made.
    bool isReady(QString& reason) const;
    QSettings& settings() { return *m_settings; }

    // The file's bytes with the changes made through settings(); false, with `reason`, when they
    // could not be written or read back.
    bool changedBytes(QByteArray& bytes, QString& reason);

private:
    QTemporaryDir m_folder;
    QString m_problem;
    std::unique_ptr<QSettings> m_settings;
};
