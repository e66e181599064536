#include "NoticeList.h"

#include "HtmlDocument.h"
#include "InfoLog.h"
#include "PageLinks.h"
#include "StringPieces.h"
#include "WebsiteAddress.h"
#include "platform/PageFetcher.h"

using namespace Qt::StringLiterals;

namespace NoticeList {

namespace {

std::optional<NoticeEntry> entry(const HtmlNode &row, const PageLinks &links)
{
    // Read from the parsed elements, so that attribute order, quoting and character
    // references do not matter.
    const HtmlNode anchor = row.firstDescendant("a", "title");
    const QString title = anchor.attribute("title").trimmed();
    const QString link = anchor.attribute("href").trimmed();
    const std::optional<QString> date = firstPieceBetween(row.text(), u"[", u"]");
    if (title.isEmpty() || link.isEmpty() || !date) {
        qCDebug(lcInfo) << "a notice row lacks its title, link or date; left out";
        return std::nullopt;
    }
    // Relative to the list page, as a browser follows it.
    QString url = links.resolved(link);
    if (url.isEmpty()) {
        qCDebug(lcInfo) << "a notice row links to no web page; left out";
        return std::nullopt;
    }
    return NoticeEntry{title, date->trimmed(), std::move(url)};
}

} // namespace

QUrl listUrl(const QUrl &website)
{
    return WebsiteAddress::page(website, listPath.toString());
}

std::optional<QList<NoticeEntry>> entries(const FetchedPage &page, const QUrl &website)
{
    if (page.isError()) {
        qCInfo(lcInfo) << "notice list page answered with HTTP status" << page.status;
        return std::nullopt;
    }
    const HtmlDocument document = HtmlDocument::fromData(page.body, page.charset);
    const QList<HtmlNode> rows = document.nodes(rowsXPath.toString());
    // Rows lie inside the list's block: only a page without them needs looking at again.
    if (rows.isEmpty() && document.count(listXPath.toString()) == 0) {
        qCInfo(lcInfo) << "no notice list on" << page.body.size() << "bytes of page";
        return std::nullopt;
    }
    const PageLinks links(listUrl(website));
    QList<NoticeEntry> notices;
    for (qsizetype i = 0; i < rows.size() && i < 2 * maximumEntries; i += 2) {
        if (std::optional<NoticeEntry> notice = entry(rows[i], links))
            notices.append(std::move(*notice));
    }
    return notices;
}

} // namespace NoticeList
