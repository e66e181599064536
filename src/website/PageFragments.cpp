#include "PageFragments.h"

#include "HtmlDocument.h"
#include "InfoLog.h"
#include "platform/PageFetcher.h"

using namespace Qt::StringLiterals;

namespace PageFragments {

namespace {

const QString paragraphs = u"//div[@class='ny_right']/p"_s;

} // namespace

FragmentRule noticeDetail()
{
    return {{u"//div[@class='ny_right']/div[2]/div[1]|//div[@class='ny_right']/div[2]/div[2]|"
             u"//div[@class='ny_right']/div[2]/div[3]"_s},
            std::nullopt,
            false};
}

FragmentRule aboutUs()
{
    return {{paragraphs}, std::nullopt, false};
}

FragmentRule serviceDetail(ServiceList list, int row)
{
    if (list == ServiceList::guide) {
        // The gas guide page is a pasted office document; the other two are plain paragraphs.
        // Kept name (wire): see docs/names.md
        if (row == 2)
            return {{u"//div[@class='Section1']"_s}, std::nullopt, false};
        return {{paragraphs}, std::nullopt, false};
    }
    // An article's last block is the site's share bar. In the heating article the fourth
    // piece is its picture, which cannot show: the markup is loaded without a base address.
    if (row == 0)
        return {
            {u"//div[@class='ny_right']//div[2]//div[1]|//div[@class='ny_right']//div[2]//div[2]"_s,
             u"//div[@class='ny_right']//div[2]//div[3]//p"_s},
            3,
            false};
    return {{u"//div[@class='ny_right']//div[2]//div"_s}, std::nullopt, true};
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
    if (document.count(frameXPath.toString()) == 0) {
        qCInfo(lcInfo) << "no content column on" << page.body.size() << "bytes of page";
        return std::nullopt;
    }
    return pieces(document, rule).join(QString());
}

} // namespace PageFragments
