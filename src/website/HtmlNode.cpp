#include "HtmlNode.h"

#include <libxml/tree.h>
#include <memory>

namespace {

// Names as XPath tests them in an HTML document: the name as the parser stored it (lower
// case), and no namespace.
bool named(const xmlChar *name, const xmlNs *ns, QByteArrayView wanted)
{
    return !ns && QByteArrayView(reinterpret_cast<const char *>(name)) == wanted;
}

xmlAttrPtr attributeNode(xmlNodePtr node, QByteArrayView name)
{
    if (!node || node->type != XML_ELEMENT_NODE)
        return nullptr;
    for (xmlAttrPtr attribute = node->properties; attribute; attribute = attribute->next) {
        if (named(attribute->name, attribute->ns, name))
            return attribute;
    }
    return nullptr;
}

// libxml2's XPath takes a node's string value from xmlNodeGetContent too.
QString content(xmlNodePtr node)
{
    const std::unique_ptr<xmlChar, decltype(xmlFree)> text(xmlNodeGetContent(node), xmlFree);
    return QString::fromUtf8(text ? reinterpret_cast<const char *>(text.get()) : "");
}

// Elements hang only below elements and the document, so the walk descends through those.
bool canHoldElements(xmlNodePtr node)
{
    return node->type == XML_ELEMENT_NODE || node->type == XML_DOCUMENT_NODE ||
           node->type == XML_HTML_DOCUMENT_NODE;
}

} // namespace

QString HtmlNode::text() const
{
    return m_node ? content(m_node) : QString();
}

QString HtmlNode::attribute(QByteArrayView name) const
{
    const xmlAttrPtr found = attributeNode(m_node, name);
    return found ? content(reinterpret_cast<xmlNodePtr>(found)) : QString();
}

HtmlNode HtmlNode::firstDescendant(QByteArrayView element, QByteArrayView withAttribute) const
{
    if (!m_node || !canHoldElements(m_node))
        return HtmlNode();
    // Preorder, without recursion: document order, and no stack to exhaust on deep pages.
    xmlNodePtr node = m_node->children;
    while (node) {
        if (node->type == XML_ELEMENT_NODE && named(node->name, node->ns, element) &&
            attributeNode(node, withAttribute))
            return HtmlNode(node);
        if (node->children && node->type == XML_ELEMENT_NODE) {
            node = node->children;
            continue;
        }
        while (node != m_node && !node->next)
            node = node->parent;
        node = node == m_node ? nullptr : node->next;
    }
    return HtmlNode();
}
