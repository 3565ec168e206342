#pragma once

#include "components/WebDocument.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <optional>

// Loads one HTML document at a time from a file: or http: address (a local path also serves)
// and keeps it parsed for the document readers of TBHTML.
class WebBrowser : public QObject {
    Q_OBJECT
public:
    explicit WebBrowser(QObject* parent = nullptr);
    ~WebBrowser() override;

    // Starts loading in the background and returns at once; the previous document is dropped
    // and a load still running is abandoned. loadFinished tells when the document is there.
    void Navigate(const QString& address);

    bool isLoading() const { return m_reply != nullptr; }
    // The loaded document; none while loading and after a failed load.
    const WebDocument* document() const { return m_document ? &*m_document : nullptr; }
    QUrl url() const { return m_url; }
    // Why the last load failed, with the address.
    QString errorString() const { return m_errorString; }

signals:
    void loadFinished(bool ok);

private:
    void abandonLoad();
    void finishLoading();
    void fail(const QString& reason);

    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    std::optional<WebDocument> m_document;
    QUrl m_url;
    QString m_errorString;
    quint64 m_navigation = 0;
};
