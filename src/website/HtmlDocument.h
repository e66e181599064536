#pragma once

#include "HtmlNode.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <memory>

/// A website page parsed as HTML, searched with XPath.
///
/// The page is read in the character encoding a browser would read it in, and every match
/// comes back as its own markup (the element with its tags, as UTF-8 text), which is what
/// the information screens show, or as a node to read in place.
class HtmlDocument
{
public:
    /// Parses leniently, as browsers do, without error reports and without fetching
    /// anything the page refers to. `charset` is the one the HTTP header gave, if any (see
    /// PageEncoding). Bytes that give no document give a null one.
    static HtmlDocument fromData(const QByteArray &bytes, QByteArrayView charset = {});

    HtmlDocument(HtmlDocument &&other) noexcept;
    HtmlDocument &operator=(HtmlDocument &&other) noexcept;
    ~HtmlDocument();

    bool isNull() const;

    /// The markup of each node the expression selects, in document order. A null
    /// document, an invalid expression or a result that is no node set gives nothing.
    QStringList eval(const QString &xpath) const;

    /// How many nodes the expression selects.
    qsizetype count(const QString &xpath) const;

    /// The nodes the expression selects, in document order, valid while the document lives.
    QList<HtmlNode> nodes(const QString &xpath) const;

private:
    struct Private;
    explicit HtmlDocument(std::unique_ptr<Private> d);

    std::unique_ptr<Private> d;
};
