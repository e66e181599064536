// Scraping the website's pages, against libxml2's own HTML parse of the same bytes.
//
// "scrape" is what the notices button and the notice detail screen wait for: the page
// parsed into an HtmlDocument, searched with the XPath, each match dumped as markup and,
// for the list, cut into notice entries. "yardstick" is htmlReadMemory of the same bytes
// with the same options, and freeing the tree: the least any scraper must do. Both read
// the sandbox's real pages, GBK included, the scrape with the charset of their HTTP header
// as the app gets them. The ratios are printed at the end of the run.

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

void yardstick(benchmark::State &state)
{
    const QByteArray &bytes = page(int(state.range(0)));
    for (auto _ : state) {
        htmlDocPtr doc =
            htmlReadMemory(bytes.constData(), int(bytes.size()), nullptr, nullptr,
                           HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
        benchmark::DoNotOptimize(doc);
        xmlFreeDoc(doc);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
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
    for (auto _ : state) {
        if (which == 0)
            benchmark::DoNotOptimize(NoticeList::entries(served, website));
        else
            benchmark::DoNotOptimize(PageFragments::markup(served, PageFragments::noticeDetail()));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

} // namespace

int main(int argc, char **argv)
{
    xmlInitParser();
    const char *pageNames[] = {"notice list", "notice page"};
    // Each page's two runs are registered next to each other so that they see the same
    // machine load, which matters on shared cores.
    for (int which : {0, 1}) {
        for (auto [name, function] : {std::pair{"yardstick", &yardstick}, {"scrape", &scrape}}) {
            benchmark::RegisterBenchmark(name, function)
                ->Arg(which)
                ->Unit(benchmark::kMicrosecond)
                ->MinTime(0.2)
                ->Repetitions(5)
                ->ReportAggregatesOnly(true);
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nscrape / yardstick (median real time)\n");
    for (int which : {0, 1}) {
        const std::string arg = std::to_string(which);
        const auto found = reporter.times.find({"scrape", arg});
        const auto base = reporter.times.find({"yardstick", arg});
        if (found == reporter.times.end() || base == reporter.times.end())
            continue;
        std::printf("%s (%lld bytes GBK): %7.1f us / %7.1f us = %.2fx\n", pageNames[which],
                    static_cast<long long>(page(which).size()), found->second, base->second,
                    found->second / base->second);
    }
    benchmark::Shutdown();
    return 0;
}
