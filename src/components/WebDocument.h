#pragma once

#include <QByteArray>
#include <QString>

// A loaded HTML document as the document readers see it: its title, the text of its body and
// the markup of its body. The markup writes tag names in upper case and every attribute value
// in double quotes, so that <a href=x.html> reads <A href="x.html">.
class WebDocument {
public:
    // Parses HTML bytes; encoding names the character set the server declared, empty when it
    // declared none (the document's own declaration, then UTF-8, then Latin-1 are tried).
    static WebDocument fromHtml(const QByteArray& html, const QString& encoding = {});

    const QString& title() const { return m_title; }
    const QString& bodyText() const { return m_bodyText; }
    const QString& bodyHtml() const { return m_bodyHtml; }

private:
    QString m_title;
    QString m_bodyText;
    QString m_bodyHtml;
};
