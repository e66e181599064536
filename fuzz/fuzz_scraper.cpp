#include "ScraperReference.h"
#include "platform/PageFetcher.h"
#include "website/GbkText.h"
#include "website/HtmlDocument.h"
#include "website/NoticeList.h"
#include "website/PageFragments.h"
#include "website/PageLinks.h"
#include "website/StringPieces.h"

#include <QLoggingCategory>
#include <QUrl>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

const QUrl website(u"http://127.0.0.1:7001"_s);

QList<FragmentRule> allRules()
{
    using PageFragments::ServiceList;
    QList<FragmentRule> rules{PageFragments::noticeDetail(), PageFragments::aboutUs()};
    for (int row = 0; row < 3; ++row)
        rules.append(PageFragments::serviceDetail(ServiceList::guide, row));
    for (int row = 0; row < 7; ++row)
        rules.append(PageFragments::serviceDetail(ServiceList::publicity, row));
    return rules;
}

void check(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // A row without its markers is noted at debug level; a line per input would swamp the run.
    QLoggingCategory::setFilterRules(u"tarvo.info.debug=false"_s);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));

    // Ten notices at most, each titled and dated, each a web address.
    const std::optional<QList<NoticeEntry>> notices = NoticeList::entries({bytes}, website);
    check(!notices || notices->size() <= NoticeList::maximumEntries);
    for (const NoticeEntry &notice : notices.value_or(QList<NoticeEntry>{})) {
        check(!notice.title.isEmpty() && notice.title == notice.title.trimmed());
        const QUrl url(notice.URL, QUrl::StrictMode);
        check(url.isValid() && (url.scheme() == u"http"_s || url.scheme() == u"https"_s));
    }

    // Each rule keeps the matches of its expressions, less the pieces it removes.
    const HtmlDocument document = HtmlDocument::fromData(bytes);
    static const QList<FragmentRule> rules = allRules();
    for (const FragmentRule &rule : rules) {
        qsizetype matches = 0;
        for (const QString &xpath : rule.xpaths)
            matches += document.eval(xpath).size();
        qsizetype kept = matches;
        if (rule.removeAt && *rule.removeAt < kept)
            --kept;
        if (rule.dropLast && kept > 0)
            --kept;
        check(PageFragments::pieces(document, rule).size() == kept);
    }

    // Rows found with descendant steps and read in place, and rules that find the content
    // column once, give what XPath gives the long way.
    const QList<QStringList> rows =
        ScraperReference::strings(bytes, ScraperReference::rows, ScraperReference::rowFields);
    const QList<HtmlNode> found = document.nodes(NoticeList::rowsXPath.toString());
    check(found.size() == rows.size());
    static const QUrl listPage = NoticeList::listUrl(website);
    const PageLinks links(listPage);
    for (qsizetype i = 0; i < found.size(); ++i) {
        const HtmlNode anchor = found[i].firstDescendant("a", "title");
        const QString link = anchor.attribute("href");
        check(QStringList{anchor.attribute("title"), link, found[i].text()} == rows[i]);
        check(links.resolved(link) == ScraperReference::resolvedLink(listPage, link));
    }

    // GBK read through the table, as the converter reads it.
    if (const std::optional<QByteArray> text = GbkText::toUtf8(bytes))
        check(*text == ScraperReference::decodedGb18030(bytes));
    static const QList<std::pair<FragmentRule, QStringList>> longForms = ScraperReference::rules();
    const bool hasColumn = document.count(ScraperReference::column) > 0;
    for (const auto &[rule, longForm] : longForms) {
        FragmentRule spelledOut = rule;
        spelledOut.xpaths = longForm;
        const QStringList pieces = PageFragments::pieces(document, spelledOut);
        check(PageFragments::pieces(document, rule) == pieces);
        check(PageFragments::markup({bytes}, rule) ==
              (hasColumn ? std::optional(pieces.join(QString())) : std::nullopt));
    }

    // The first piece read alone is the first of all the pieces.
    if (size <= 4096) {
        const QString text = QString::fromUtf8(bytes);
        const std::optional<QStringList> pieces = componentsSeparatedFromString(text, u"<a", u"\"");
        check(pieces.has_value());
        check(firstPieceBetween(text, u"<a", u"\"") ==
              (pieces->isEmpty() ? std::nullopt : std::optional(pieces->first())));
    }
    return 0;
}
