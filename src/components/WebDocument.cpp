#include "components/WebDocument.h"

#include "components/WebMarkup.h"

#include <libxml/HTMLparser.h>
#include <memory>

namespace {

struct DocumentDeleter {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};

const xmlNode* findElement(const xmlNode* node, const char* name) {
    for (; node; node = node->next) {
        if (node->type == XML_ELEMENT_NODE && xmlStrcasecmp(node->name, BAD_CAST name) == 0)
            return node;
        if (const xmlNode* found = findElement(node->children, name))
            return found;
    }
    return nullptr;
}

} // namespace

WebDocument WebDocument::fromHtml(const QByteArray& html, const QString& encoding) {
    WebDocument document;
    const QByteArray encodingName = encoding.toLatin1();
    // No network, no error output: a broken page is read as far as it goes.
    const std::unique_ptr<xmlDoc, DocumentDeleter> parsed(htmlReadMemory(
        html.constData(), int(html.size()), nullptr, encodingName.isEmpty() ? nullptr : encodingName.constData(),
        HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET));
    if (!parsed)
        return document;
    const xmlNode* root = xmlDocGetRootElement(parsed.get());
    if (const xmlNode* title = findElement(root, "title"))
        document.m_title = InnerText(title);
    const xmlNode* body = findElement(root, "body");
    document.m_bodyText = InnerText(body);
    document.m_bodyHtml = InnerHtml(body);
    return document;
}
