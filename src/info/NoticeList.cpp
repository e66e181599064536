#include "NoticeList.h"

#include "HtmlDocument.h"
#include "InfoLog.h"
#include "StringPieces.h"
#include "WebsiteAddress.h"

using namespace Qt::StringLiterals;

namespace NoticeList {

QUrl listUrl(const QUrl &website)
{
    return WebsiteAddress::page(website, listPath.toString());
}

std::optional<NoticeEntry> entry(QStringView markup, const QUrl &website)
{
    const std::optional<QString> quotedTitle = firstPieceBetween(markup, u"<a title=\"", u" style");
    const std::optional<QString> link = firstPieceBetween(markup, u"href=\"", u"\"");
    const std::optional<QString> date = firstPieceBetween(markup, u"[", u"]");
    if (!quotedTitle || !link || !date) {
        qCDebug(lcInfo) << "a notice row lacks its title, link or date; left out";
        return std::nullopt;
    }
    NoticeEntry notice;
    // The piece ends with the attribute's closing quote.
    notice.title = quotedTitle->chopped(quotedTitle->isEmpty() ? 0 : 1);
    notice.subTitle = *date;
    // The markup escapes the link's ampersands; the address needs them plain.
    notice.URL = WebsiteAddress::base(website) + u"/reds/"_s + *link;
    notice.URL.remove(u"amp;"_s);
    return notice;
}

QList<NoticeEntry> entries(const QStringList &elements, const QUrl &website)
{
    QList<NoticeEntry> notices;
    for (qsizetype i = 0; i < elements.size() && i < 2 * maximumEntries; i += 2) {
        if (std::optional<NoticeEntry> notice = entry(elements[i], website))
            notices.append(std::move(*notice));
    }
    return notices;
}

QList<NoticeEntry> entries(const QByteArray &page, const QUrl &website)
{
    return entries(HtmlDocument::fromData(page).eval(rowsXPath.toString()), website);
}

} // namespace NoticeList
