#pragma once

#include "website/PageEncoding.h"
#include "website/PageFragments.h"

#include <QByteArray>
#include <QList>
#include <QStringDecoder>
#include <QStringList>
#include <QUrl>
#include <libxml/HTMLparser.h>
#include <libxml/xpath.h>
#include <memory>

/// What the scraper's shortcuts must give, the long way: the expressions as the site's layout
/// was first described, and XPath string values straight from libxml2 on a parse of its own.
namespace ScraperReference {

inline const QString rows = QStringLiteral("//div[@class='content']//div");
inline const QString column = QStringLiteral("//div[@class='ny_right']");

/// The string value of each of `fields`, evaluated from each node that `nodes` selects, for
/// the page as HtmlDocument reads it.
inline QList<QStringList> strings(const QByteArray &page, const QString &nodes,
                                  const QStringList &fields)
{
    const QByteArray text = PageEncoding::toUtf8(page, {});
    if (text.isEmpty())
        return {};
    const std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> doc(
        htmlReadMemory(text.constData(), int(text.size()), nullptr, "UTF-8",
                       HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET),
        &xmlFreeDoc);
    if (!doc)
        return {};
    const std::unique_ptr<xmlXPathContext, decltype(&xmlXPathFreeContext)> context(
        xmlXPathNewContext(doc.get()), &xmlXPathFreeContext);
    const auto evaluate = [&](const QString &xpath) {
        return std::unique_ptr<xmlXPathObject, decltype(&xmlXPathFreeObject)>(
            xmlXPathEvalExpression(reinterpret_cast<const xmlChar *>(xpath.toUtf8().constData()),
                                   context.get()),
            &xmlXPathFreeObject);
    };
    const auto selected = evaluate(nodes);
    if (!selected || selected->type != XPATH_NODESET || !selected->nodesetval)
        return {};
    QList<QStringList> values;
    for (int i = 0; i < selected->nodesetval->nodeNr; ++i) {
        QStringList row;
        for (const QString &field : fields) {
            context->node = selected->nodesetval->nodeTab[i];
            const auto value = evaluate(field);
            const std::unique_ptr<xmlChar, decltype(xmlFree)> string(
                value ? xmlXPathCastToString(value.get()) : nullptr, xmlFree);
            row.append(
                QString::fromUtf8(string ? reinterpret_cast<const char *>(string.get()) : ""));
        }
        values.append(row);
    }
    return values;
}

/// The fields of a notice row: its first titled anchor's title and link, and its text.
inline const QStringList rowFields{QStringLiteral("string((.//a[@title])[1]/@title)"),
                                   QStringLiteral("string((.//a[@title])[1]/@href)"),
                                   QStringLiteral("string(.)")};

/// Each fragment rule with its expressions as first written: one search of the column per
/// block asked for.
inline QList<std::pair<FragmentRule, QStringList>> rules()
{
    using PageFragments::ServiceList;
    const QString paragraphs = column + QStringLiteral("/p");
    QList<std::pair<FragmentRule, QStringList>> rules{
        {PageFragments::noticeDetail(),
         {column + QStringLiteral("/div[2]/div[1]|") + column + QStringLiteral("/div[2]/div[2]|") +
          column + QStringLiteral("/div[2]/div[3]")}},
        {PageFragments::aboutUs(), {paragraphs}},
        {PageFragments::serviceDetail(ServiceList::guide, 0), {paragraphs}},
        {PageFragments::serviceDetail(ServiceList::guide, 1), {paragraphs}},
        {PageFragments::serviceDetail(ServiceList::guide, 2),
         {QStringLiteral("//div[@class='Section1']")}},
        {PageFragments::serviceDetail(ServiceList::publicity, 0),
         {column + QStringLiteral("//div[2]//div[1]|") + column +
              QStringLiteral("//div[2]//div[2]"),
          column + QStringLiteral("//div[2]//div[3]//p")}},
    };
    for (int row = 1; row < 7; ++row)
        rules.append({PageFragments::serviceDetail(ServiceList::publicity, row),
                      {column + QStringLiteral("//div[2]//div")}});
    return rules;
}

/// A GB18030 page as the converter reads it: what the table's shortcut must give.
inline QByteArray decodedGb18030(QByteArrayView page)
{
    return QString(QStringDecoder("GB18030")(page)).toUtf8();
}

/// A link as QUrl resolves it against its page: what PageLinks' shortcut must give.
inline QString resolvedLink(const QUrl &page, const QString &link)
{
    const QUrl url = page.resolved(QUrl(link));
    const bool web = url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https");
    return web ? url.toString(QUrl::FullyEncoded) : QString();
}

} // namespace ScraperReference
