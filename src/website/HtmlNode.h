#pragma once

#include <QByteArrayView>
#include <QString>

struct _xmlNode;

/// A node of an HtmlDocument, read in place; valid while its document lives.
///
/// Each reading gives what the XPath expression in its description gives for the node, without
/// the cost of evaluating one: a notice list row is read this way field by field.
class HtmlNode
{
public:
    HtmlNode() = default;

    bool isNull() const { return !m_node; }

    /// The node's string value: string(.). Empty for a null node.
    QString text() const;

    /// The value of the node's attribute: string(@name). Empty when it has none.
    QString attribute(QByteArrayView name) const;

    /// The first element named `element` below the node, in document order, that carries the
    /// attribute `withAttribute`: (.//element[@withAttribute])[1]. Null when there is none.
    HtmlNode firstDescendant(QByteArrayView element, QByteArrayView withAttribute) const;

private:
    friend class HtmlDocument;
    explicit HtmlNode(_xmlNode *node)
        : m_node(node)
    {}

    _xmlNode *m_node = nullptr;
};
