#include "PageFragments.h"

#include "HtmlDocument.h"
#include "InfoLog.h"
#include "platform/PageFetcher.h"

using namespace Qt::StringLiterals;

namespace PageFragments {

namespace {

// Paths below the content column. Positions taken together (div[position() <= 3] for div[1],
// div[2] and div[3]) find the column once instead of once for each.
FragmentRule inColumn(std::initializer_list<QStringView> paths,
                      std::optional<qsizetype> removeAt = std::nullopt, bool dropLast = false)
{
    QStringList xpaths;
    for (QStringView path : paths)
        xpaths.append(frameXPath.toString().append(path));
    return {xpaths, removeAt, dropLast, true};
}

} // namespace

FragmentRule noticeDetail()
{
    return inColumn({u"/div[2]/div[position() <= 3]"});
}

FragmentRule aboutUs()
{
    return inColumn({u"/p"});
}

FragmentRule serviceDetail(ServiceList list, int row)
{
    if (list == ServiceList::guide) {
        // The gas guide page is a pasted office document; the other two are plain paragraphs.
        // Kept name (wire): see docs/names.md
        if (row == 2)
            return {{u"/descendant::div[@class='Section1']"_s}, std::nullopt, false, false};
        return inColumn({u"/p"});
    }
    // An article's last block is the site's share bar. In the heating article the fourth
    // piece is its picture, which cannot show: the markup is loaded without a base address.
    if (row == 0)
        return inColumn({u"//div[2]//div[position() <= 2]", u"//div[2]//div[3]//p"}, 3);
    return inColumn({u"//div[2]//div"}, std::nullopt, true);
}

QStringList pieces(const HtmlDocument &document, const FragmentRule &rule)
{
    QStringList kept;
    for (const QString &xpath : rule.xpaths)
        kept += document.eval(xpath);
    if (rule.removeAt && *rule.removeAt < kept.size())
        kept.removeAt(*rule.removeAt);
    if (rule.dropLast && !kept.isEmpty())
        kept.removeLast();
    return kept;
}

std::optional<QString> markup(const FetchedPage &page, const FragmentRule &rule)
{
    if (page.isError()) {
        qCInfo(lcInfo) << "page answered with HTTP status" << page.status;
        return std::nullopt;
    }
    const HtmlDocument document = HtmlDocument::fromData(page.body, page.charset);
    const QStringList kept = pieces(document, rule);
    // A piece read below the content column shows the column is there.
    if ((kept.isEmpty() || !rule.inColumn) && document.count(frameXPath.toString()) == 0) {
        qCInfo(lcInfo) << "no content column on" << page.body.size() << "bytes of page";
        return std::nullopt;
    }
    return kept.join(QString());
}

} // namespace PageFragments
