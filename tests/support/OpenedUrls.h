#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Stands in for the desktop's browser and mail program while installed: records the web and
// mail addresses handed to the desktop.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    OpenedUrls() {
        for (const char* scheme : {"https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~OpenedUrls() override {
        for (const char* scheme : {"https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    QStringList urls;

public slots:
    void open(const QUrl& url) { urls.append(url.toString(QUrl::FullyEncoded)); }
};
