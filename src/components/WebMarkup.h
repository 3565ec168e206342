#pragma once

#include <QString>
#include <libxml/tree.h>

// Text forms of the children of a parsed HTML element.

// The children's markup: tag names in upper case, attribute names as parsed (lower case),
// values in double quotes, no end tags for empty elements such as IMG and BR.
QString InnerHtml(const xmlNode* element);

// The children's text as a reader sees it: runs of white space as one blank, a line break at
// BR and around blocks such as P, DIV and LI; scripts and styles left out.
QString InnerText(const xmlNode* element);
