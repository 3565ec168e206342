#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

// Makes a file of `size` bytes (sparse beyond its content) in `folder`, with the given last-write
// time when one is given, and answers its path.
inline QString makeTestFile(const QString& folder, const QString& name, qint64 size, const QDateTime& lastWrite = {}) {
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(path);
    EXPECT_TRUE(file.resize(size));
    if (lastWrite.isValid()) {
        EXPECT_TRUE(file.setFileTime(lastWrite, QFileDevice::FileModificationTime));
    }
    file.close();
    return path;
}
