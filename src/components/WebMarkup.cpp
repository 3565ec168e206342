#include "components/WebMarkup.h"

#include <QSet>

namespace {

QString nameOf(const xmlNode* node) {
    return QString::fromUtf8(reinterpret_cast<const char*>(node->name));
}

QString contentOf(const xmlNode* node) {
    return node->content ? QString::fromUtf8(reinterpret_cast<const char*>(node->content)) : QString();
}

bool isOneOf(const xmlNode* node, const QSet<QString>& names) {
    return node->type == XML_ELEMENT_NODE && names.contains(nameOf(node).toLower());
}

const QSet<QString> emptyElements{"area", "base",  "basefont", "br",   "col",  "frame", "hr",
                                  "img",  "input", "isindex",  "link", "meta", "param"};
const QSet<QString> rawTextElements{"script", "style"};
const QSet<QString> blockElements{"address", "blockquote", "center", "dd",  "dir",   "div", "dl", "dt", "fieldset",
                                  "form",    "h1",         "h2",     "h3",  "h4",    "h5",  "h6", "hr", "li",
                                  "menu",    "ol",         "p",      "pre", "table", "tr",  "ul"};

QString escaped(QString text, bool inAttribute) {
    text.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    if (inAttribute)
        return text.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    return text.replace(QLatin1Char('<'), QLatin1String("&lt;")).replace(QLatin1Char('>'), QLatin1String("&gt;"));
}

void appendMarkup(const xmlNode* node, bool rawText, QString& out) {
    switch (node->type) {
    case XML_ELEMENT_NODE: {
        const QString tag = nameOf(node).toUpper();
        out += QLatin1Char('<') + tag;
        for (const xmlAttr* attribute = node->properties; attribute; attribute = attribute->next) {
            out += QLatin1Char(' ') + QString::fromUtf8(reinterpret_cast<const char*>(attribute->name));
            xmlChar* value = xmlNodeListGetString(node->doc, attribute->children, 1);
            const QString text = QString::fromUtf8(reinterpret_cast<const char*>(value));
            xmlFree(value);
            out += QLatin1String("=\"") + escaped(text, true) + QLatin1Char('"');
        }
        out += QLatin1Char('>');
        if (isOneOf(node, emptyElements))
            return;
        for (const xmlNode* child = node->children; child; child = child->next)
            appendMarkup(child, isOneOf(node, rawTextElements), out);
        out += QLatin1String("</") + tag + QLatin1Char('>');
        return;
    }
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
        out += rawText ? contentOf(node) : escaped(contentOf(node), false);
        return;
    case XML_COMMENT_NODE:
        out += QLatin1String("<!--") + contentOf(node) + QLatin1String("-->");
        return;
    default:
        return;
    }
}

// Collects text with white space collapsed; a pending line break is written before the next
// visible text only, so blocks in a row give one break.
class TextCollector {
public:
    void addText(const QString& text) {
        for (const QChar c : text) {
            if (c.isSpace()) {
                m_pendingBlank = !m_out.isEmpty();
                continue;
            }
            if (m_pendingBreak && !m_out.isEmpty())
                m_out += QLatin1Char('\n');
            else if (m_pendingBlank && !m_pendingBreak)
                m_out += QLatin1Char(' ');
            m_pendingBreak = m_pendingBlank = false;
            m_out += c;
        }
    }
    void addBreak() {
        m_pendingBreak = true;
        m_pendingBlank = false;
    }
    void addForcedBreak() {
        if (m_pendingBreak || m_out.isEmpty() || m_out.endsWith(QLatin1Char('\n')))
            m_out += QLatin1Char('\n');
        else
            m_pendingBreak = true;
        m_pendingBlank = false;
    }
    const QString& text() const { return m_out; }

private:
    QString m_out;
    bool m_pendingBlank = false;
    bool m_pendingBreak = false;
};

void collectText(const xmlNode* node, TextCollector& out) {
    for (const xmlNode* child = node->children; child; child = child->next) {
        if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) {
            out.addText(contentOf(child));
        } else if (child->type == XML_ELEMENT_NODE && !isOneOf(child, rawTextElements)) {
            if (nameOf(child).compare(QLatin1String("br"), Qt::CaseInsensitive) == 0) {
                out.addForcedBreak();
                continue;
            }
            const bool block = isOneOf(child, blockElements);
            if (block)
                out.addBreak();
            collectText(child, out);
            if (block)
                out.addBreak();
        }
    }
}

} // namespace

QString InnerHtml(const xmlNode* element) {
    QString out;
    if (!element)
        return out;
    const bool rawText = isOneOf(element, rawTextElements);
    for (const xmlNode* child = element->children; child; child = child->next)
        appendMarkup(child, rawText, out);
    return out;
}

QString InnerText(const xmlNode* element) {
    TextCollector out;
    if (element)
        collectText(element, out);
    return out.text();
}
