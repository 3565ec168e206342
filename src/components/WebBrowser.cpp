#include "components/WebBrowser.h"

#include <QMetaObject>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>

namespace {

// The charset a server named in its Content-Type header, or empty text.
QString declaredCharset(const QNetworkReply& reply) {
    static const QRegularExpression charset(QStringLiteral("charset\\s*=\\s*\"?([^\";\\s]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QString type = reply.header(QNetworkRequest::ContentTypeHeader).toString();
    const QRegularExpressionMatch match = charset.match(type);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

WebBrowser::WebBrowser(QObject* parent)
    : QObject(parent) {}

WebBrowser::~WebBrowser() {
    abandonLoad();
}

void WebBrowser::abandonLoad() {
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    // Aborting emits finished; nobody is to hear of this load any more.
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void WebBrowser::Navigate(const QString& address) {
    abandonLoad();
    ++m_navigation;
    m_document.reset();
    m_errorString.clear();
    m_url = QUrl::fromUserInput(address.trimmed(), QString(), QUrl::AssumeLocalFile);
    const QString scheme = m_url.scheme().toLower();
    if (scheme != QLatin1String("file") && scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        // Reported like any other failure: after Navigate has returned.
        QMetaObject::invokeMethod(
            this,
            [this, navigation = m_navigation] {
                if (navigation == m_navigation)
                    fail(QStringLiteral("only file: and http: addresses can be read"));
            },
            Qt::QueuedConnection);
        return;
    }
    m_reply = m_network.get(QNetworkRequest(m_url));
    connect(m_reply, &QNetworkReply::finished, this, &WebBrowser::finishLoading);
}

void WebBrowser::finishLoading() {
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    if (!reply)
        return;
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        fail(reply->errorString());
        return;
    }
    m_document = WebDocument::fromHtml(reply->readAll(), declaredCharset(*reply));
    emit loadFinished(true);
}

void WebBrowser::fail(const QString& reason) {
    m_errorString = QStringLiteral("%1 could not be loaded: %2").arg(m_url.toDisplayString(), reason);
    emit loadFinished(false);
}
