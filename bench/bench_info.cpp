// Scraping the website's pages, against libxml2's own HTML parse of the same bytes.
//
// "scrape" is what the notices button and the notice detail screen wait for: the page
// parsed into an HtmlDocument, searched with the XPath, each match dumped as markup and,
// for the list, cut into notice entries. "yardstick" is htmlReadMemory of the same bytes
// with the same options, and freeing the tree: the least any scraper must do. Both read
// the sandbox's real pages, GBK included, the scrape with the charset of their HTTP header
// as the app gets them. Every iteration times the two back to back (Paired.h); the medians
// of the ratios are printed at the end of the run.

#include "Paired.h"
#include "RatioReporter.h"
#include "Website.h"
#include "platform/PageFetcher.h"
#include "website/NoticeList.h"
#include "website/PageFragments.h"
#include "website/WebsiteAddress.h"

#include <QUrl>
#include <QUrlQuery>
#include <cstdio>
#include <libxml/HTMLparser.h>

using namespace Qt::StringLiterals;

namespace {

const QUrl website(u"http://127.0.0.1:7001"_s);

QByteArray sitePage(const QUrl &url)
{
    return sandbox::Website().page(url.path(), QUrlQuery(url)).body;
}

const QByteArray &page(int which)
{
    static const QByteArray list = sitePage(NoticeList::listUrl(website));
    static const QByteArray detail =
        sitePage(WebsiteAddress::page(website, u"/reds/service_detail.asp?types=news&id=2401"_s));
    return which == 0 ? list : detail;
}

htmlDocPtr yardstickParse(const QByteArray &bytes)
{
    return htmlReadMemory(bytes.constData(), int(bytes.size()), nullptr, nullptr,
                          HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
}

void scrape(benchmark::State &state)
{
    const int which = int(state.range(0));
    const QByteArray &bytes = page(which);
    const FetchedPage served{bytes, 200, "gbk"};
    if (which == 0 &&
        NoticeList::entries(served, website).value_or(QList<NoticeEntry>{}).size() != 10) {
        state.SkipWithError("the list page gives no ten notices");
        return;
    }
    const auto yardstick = [&] {
        htmlDocPtr doc = yardstickParse(bytes);
        xmlFreeDoc(doc);
        return doc != nullptr;
    };
    if (which == 0)
        runPaired(state, yardstick, [&] { return NoticeList::entries(served, website); });
    else
        runPaired(state, yardstick,
                  [&] { return PageFragments::markup(served, PageFragments::noticeDetail()); });
}

} // namespace

int main(int argc, char **argv)
{
    xmlInitParser();
    const char *pageNames[] = {"notice list", "notice page"};
    for (int which : {0, 1}) {
        benchmark::RegisterBenchmark("scrape", scrape)
            ->Arg(which)
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(0.2)
            ->Repetitions(7)
            ->ReportAggregatesOnly(true)
            ->UseManualTime();
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nscrape / yardstick, paired (median of 7 runs)\n");
    for (int which : {0, 1}) {
        const auto found = reporter.paired.find({"scrape", std::to_string(which)});
        if (found == reporter.paired.end())
            continue;
        std::printf("%s (%lld bytes GBK): %7.1f us / %7.1f us = %.2fx\n", pageNames[which],
                    static_cast<long long>(page(which).size()), found->second.workMicroseconds,
                    found->second.yardstickMicroseconds, found->second.ratio);
    }
    benchmark::Shutdown();
    return 0;
}
