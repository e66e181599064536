#include "FakePageFetcher.h"
#include "ScraperReference.h"
#include "SitePages.h"
#include "map/OutletList.h"
#include "website/GbkText.h"
#include "website/HtmlDocument.h"
#include "website/InfoTexts.h"
#include "website/NoticeList.h"
#include "website/NoticeListLoader.h"
#include "website/PageEncoding.h"
#include "website/PageFragments.h"
#include "website/PageLinks.h"
#include "website/ServicePages.h"
#include "website/StringPieces.h"
#include "website/WebsiteAddress.h"

#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<QStringList>)
Q_DECLARE_METATYPE(std::optional<NoticeEntry>)
Q_DECLARE_METATYPE(FragmentRule)

namespace {

const QUrl website(u"http://site.test:8080"_s);

QByteArray sitePage(const QString &pathAndQuery)
{
    const QUrl url = WebsiteAddress::page(website, pathAndQuery);
    return SitePages::served(url);
}

QString noticeRow(const QString &title, const QString &link, const QString &date)
{
    return u"<div><a title=\"%1\" style=\"float:left\" href=\"%2\">%1</a><div>[%3]</div></div>"_s
        .arg(title, link, date);
}

QList<NoticeEntry> listed(const QString &content)
{
    return NoticeList::entries(
               {SitePages::page(u"<div class='content'>"_s + content + u"</div>"_s)}, website)
        .value_or(QList<NoticeEntry>{});
}

} // namespace

/// Reading the website: string pieces, the notice list, the fragment rules, the outlets.
class TestInfo : public QObject
{
    Q_OBJECT

private slots:
    void stringPieces_data()
    {
        QTest::addColumn<QString>("string");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<std::optional<QStringList>>("pieces");

        QTest::newRow("one piece")
            << u"a[b]c"_s << u"["_s << u"]"_s << std::optional(QStringList{u"b"_s});
        QTest::newRow("two pieces")
            << u"[a][b]"_s << u"["_s << u"]"_s << std::optional(QStringList{u"a"_s, u"b"_s});
        // The next search starts after the previous start marker, not after its end.
        QTest::newRow("overlapping")
            << u"[a[b]"_s << u"["_s << u"]"_s << std::optional(QStringList{u"a[b"_s, u"b"_s});
        QTest::newRow("no start") << u"abc"_s << u"["_s << u"]"_s << std::optional(QStringList{});
        QTest::newRow("no end after start")
            << u"]a[b"_s << u"["_s << u"]"_s << std::optional(QStringList{});
        QTest::newRow("empty piece")
            << u"[]"_s << u"["_s << u"]"_s << std::optional(QStringList{QString()});
        QTest::newRow("same marker")
            << u"\"a\"b\""_s << u"\""_s << u"\""_s << std::optional(QStringList{u"a"_s, u"b"_s});
        QTest::newRow("empty start")
            << u"[a]"_s << QString() << u"]"_s << std::optional<QStringList>();
        QTest::newRow("empty end")
            << u"[a]"_s << u"["_s << QString() << std::optional<QStringList>();
    }

    void stringPieces()
    {
        QFETCH(QString, string);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(std::optional<QStringList>, pieces);
        QCOMPARE(componentsSeparatedFromString(string, from, to), pieces);
        const std::optional<QString> first =
            pieces && !pieces->isEmpty() ? std::optional(pieces->first()) : std::nullopt;
        QCOMPARE(firstPieceBetween(string, from, to), first);
    }

    void htmlDocumentDumpsMatchesAsMarkup()
    {
        const HtmlDocument document = HtmlDocument::fromData(
            SitePages::page(u"<div class='a'><p>x &amp; <b>y</b></p></div>"_s));
        QCOMPARE(document.eval(u"//div[@class='a']/p"_s),
                 QStringList{u"<p>x &amp; <b>y</b></p>"_s});
        QCOMPARE(document.eval(u"//p/text()"_s), QStringList{u"x &amp; "_s});
        QVERIFY(document.eval(u"//*["_s).isEmpty());
        QVERIFY(document.eval(u"count(//p)"_s).isEmpty());
        QVERIFY(HtmlDocument::fromData({}).isNull());
        QVERIFY(HtmlDocument::fromData({}).eval(u"//p"_s).isEmpty());
    }

    void pageEncoding_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("header"); // the Content-Type charset
        QTest::addColumn<QByteArray>("encoding");

        const QByteArray gbk = "<p>\xe9\x46\xb3\xc7</p>"; // 镕城, no UTF-8
        const QByteArray utf8 = "<p>\xe5\x81\x9c\xe6\xb0\xb4</p>";
        QTest::newRow("byte order mark over the header")
            << "\xff\xfe<\0p\0>\0" + gbk << QByteArray("gbk") << QByteArray("UTF-16LE");
        QTest::newRow("header over the meta")
            << "<meta charset=gbk>" + utf8 << QByteArray("utf-8") << QByteArray("UTF-8");
        QTest::newRow("unknown header label: the meta")
            << "<meta charset=gbk>" + utf8 << QByteArray("x-nonsense") << QByteArray("GB18030");
        QTest::newRow("meta after the title") << "<title>" + gbk +
                                                     "</title><meta http-equiv='Content-Type' "
                                                     "content='text/html; charset=GB2312'>" +
                                                     gbk
                                              << QByteArray() << QByteArray("GB18030");
        QTest::newRow("meta beyond 1024 bytes")
            << QByteArray(1020, ' ') + "<meta charset=windows-1252>" + gbk << QByteArray()
            << QByteArray("GB18030");
        QTest::newRow("meta in a comment")
            << "<!-- <meta charset=big5> -->" + utf8 << QByteArray() << QByteArray("UTF-8");
        QTest::newRow("meta without a known label: the next")
            << "<meta charset=nonsense><meta charset=\"big5\">" + gbk << QByteArray()
            << QByteArray("big5");
        QTest::newRow("UTF-16 in a meta is UTF-8")
            << "<meta charset=utf-16>" + gbk << QByteArray() << QByteArray("UTF-8");
        QTest::newRow("Latin-1 is windows-1252")
            << gbk << QByteArray("ISO-8859-1") << QByteArray("windows-1252");
        QTest::newRow("no charset, valid UTF-8") << utf8 << QByteArray() << QByteArray("UTF-8");
        QTest::newRow("no charset, other bytes") << gbk << QByteArray() << QByteArray("GB18030");
    }

    void pageEncoding()
    {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, header);
        QFETCH(QByteArray, encoding);
        QCOMPARE(PageEncoding::of(page, header), encoding);
    }

    void undecodableBytesDoNotEndThePage()
    {
        // A stray byte in a GBK page, as a browser shows it: one replacement character.
        const QByteArray page = "<meta charset=gbk><p>\xcd\xa3\x81\x20\xcb\xae</p>";
        QCOMPARE(HtmlDocument::fromData(page).eval(u"//p/text()"_s), QStringList{u"停\ufffd 水"_s});
    }

    void gbkPagesReadAsTheConverterReadsThem_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<bool>("byTable"); // read without the converter

        QTest::newRow("ASCII") << QByteArray("<p class=\"x\">water\x01\x7f</p>") << true;
        QTest::newRow("ASCII with NUL") << QByteArray("<p>\0a</p>", 9) << true;
        QTest::newRow("Chinese across eight-byte steps")
            << QByteArray("<a>\xcd\xa3\xcb\xae</a>1234567\xb9\xab\xb8\xe6") << true;
        QTest::newRow("two-byte character below U+0800") << QByteArray("\xa6\xc1") << true;
        QTest::newRow("trail byte in ASCII's range") << QByteArray("\x81\x40\xfe\x7e") << true;
        QTest::newRow("user-defined area") << QByteArray("\xaa\xa1\xfe\xfe") << true;
        QTest::newRow("empty") << QByteArray() << true;
        QByteArray everyPair;
        for (int lead = 0x81; lead <= 0xfe; ++lead) {
            for (int trail = 0x40; trail <= 0xfe; ++trail) {
                if (trail != 0x7f)
                    everyPair.append(char(lead)).append(char(trail)).append(' ');
            }
        }
        QTest::newRow("every two-byte character") << everyPair << true;
        QTest::newRow("four-byte character")
            << QByteArray("<p>\x81\x30\x81\x30\xcd\xa3</p>") << false;
        QTest::newRow("byte order mark") << QByteArray("\x84\x31\x95\x33<p>") << false;
        QTest::newRow("lead byte before ASCII") << QByteArray("\xcd\xa3\x81\x20\xcb\xae") << false;
        QTest::newRow("0x7f after a lead byte") << QByteArray("\x81\x7f") << false;
        QTest::newRow("lead byte at the end") << QByteArray("abc\xcd") << false;
        QTest::newRow("0x80") << QByteArray("a\x80") << false;
        QTest::newRow("0xff") << QByteArray("\xff\xa1") << false;
    }

    void gbkPagesReadAsTheConverterReadsThem()
    {
        QFETCH(QByteArray, page);
        QFETCH(bool, byTable);
        QCOMPARE(PageEncoding::toUtf8(page, "gbk"), ScraperReference::decodedGb18030(page));
        QCOMPARE(GbkText::toUtf8(page).has_value(), byTable);
    }

    void randomGbkPagesReadAsTheConverterReadsThem()
    {
        // Runs of ASCII and of two-byte characters, now and then a byte the table leaves to
        // the converter.
        QRandomGenerator random(20261208);
        const QByteArray odd[] = {"\x80", "\xff", "\x81", "\x81\x30\x81\x30", "\x95\x7f"};
        for (int round = 0; round < 300; ++round) {
            QByteArray page;
            const int pieces = random.bounded(1, 12);
            for (int piece = 0; piece < pieces; ++piece) {
                const int length = random.bounded(0, 20);
                if (random.bounded(2)) {
                    for (int i = 0; i < length; ++i)
                        page.append(char(random.bounded(0, 0x80)));
                } else {
                    for (int i = 0; i < length; ++i) {
                        int trail = random.bounded(0x40, 0xff);
                        if (trail == 0x7f)
                            trail = 0x80;
                        page.append(char(random.bounded(0x81, 0xff))).append(char(trail));
                    }
                }
                if (random.bounded(8) == 0)
                    page.append(odd[random.bounded(int(std::size(odd)))]);
            }
            QCOMPARE(PageEncoding::toUtf8(page, "gbk"), ScraperReference::decodedGb18030(page));
        }
    }

    void linksResolvedAsQUrlResolvesThem_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("link");

        const QString list = u"http://site.test:8080/reds/news_list.asp?types=%B9%AB"_s;
        const QStringList links{u"service_detail.asp?types=news&id=2401"_s,
                                u"a/b/c.asp"_s,
                                u"a//b"_s,
                                u"x?a=1&b=/../c?d"_s,
                                u"-._~!$&()*+,;=@"_s,
                                u"a'b"_s,
                                u"a:b"_s,
                                u"a%20b"_s,
                                u"%7e"_s,
                                u"a b"_s,
                                u"停水.asp"_s,
                                u"./a"_s,
                                u"a/./b"_s,
                                u"a/../b"_s,
                                u".."_s,
                                u"."_s,
                                u"a/.."_s,
                                u".a/..b/c."_s,
                                u"?q=1"_s,
                                u"/abs"_s,
                                u"//other.test/x"_s,
                                u"#top"_s,
                                u"a#top"_s,
                                u"http://other.test/x"_s,
                                u"HTTPS://other.test"_s,
                                u"javascript:open(1)"_s,
                                u"mailto:a@b"_s,
                                u"a\\b"_s,
                                u"a[1]"_s,
                                u"a\tb"_s};
        for (const QString &link : links)
            QTest::addRow("%s", qPrintable(link)) << list << link;
        const QStringList pages{u"http://site.test"_s,
                                u"https://site.test/dir/"_s,
                                u"http://site.test/a/../b/./list.asp"_s,
                                u"http://user:pw@site.test/%7Efolder/list?x#f"_s,
                                u"http://site.test/停水/list"_s,
                                u"ftp://site.test/x/"_s,
                                u"list.asp"_s,
                                QString()};
        for (const QString &page : pages) {
            QTest::addRow("on %s", qPrintable(page)) << page << u"n.asp?id=1"_s;
            QTest::addRow("up from %s", qPrintable(page)) << page << u"../n.asp"_s;
        }
    }

    void linksResolvedAsQUrlResolvesThem()
    {
        QFETCH(QString, page);
        QFETCH(QString, link);
        QCOMPARE(PageLinks(QUrl(page)).resolved(link),
                 ScraperReference::resolvedLink(QUrl(page), link));
    }

    void randomLinksResolvedAsQUrlResolvesThem()
    {
        const QString alphabet = u"ab./?:%#&=' @!+停\\"_s;
        const QUrl pages[] = {QUrl(u"http://site.test:8080/reds/news_list.asp?x=1"_s),
                              QUrl(u"https://site.test/a/../b/"_s)};
        QRandomGenerator random(20261208);
        for (int round = 0; round < 2000; ++round) {
            QString link;
            for (int i = random.bounded(0, 9); i > 0; --i)
                link.append(alphabet[random.bounded(int(alphabet.size()))]);
            for (const QUrl &page : pages)
                QCOMPARE(PageLinks(page).resolved(link),
                         ScraperReference::resolvedLink(page, link));
        }
    }

    void noticeEntry_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<std::optional<NoticeEntry>>("entry");

        QTest::newRow("title, date, link")
            << noticeRow(u"Water stop notice"_s, u"n.asp?id=1"_s, u"2016-01-05"_s)
            << std::optional(NoticeEntry{u"Water stop notice"_s, u"2016-01-05"_s,
                                         u"http://site.test:8080/reds/n.asp?id=1"_s});
        QTest::newRow("escaped ampersand made plain")
            << noticeRow(u"T"_s, u"service_detail.asp?types=news&amp;id=2400"_s, u"d"_s)
            << std::optional(NoticeEntry{
                   u"T"_s, u"d"_s,
                   u"http://site.test:8080/reds/service_detail.asp?types=news&id=2400"_s});
        QTest::newRow("no title attribute")
            << u"<div><a href=\"x\">T</a>[d]</div>"_s << std::optional<NoticeEntry>();
        QTest::newRow("empty title")
            << noticeRow(u" "_s, u"x"_s, u"d"_s) << std::optional<NoticeEntry>();
        QTest::newRow("no link") << u"<div><a title=\"T\" style=\"s\">T</a>[d]</div>"_s
                                 << std::optional<NoticeEntry>();
        QTest::newRow("no date") << u"<div><a title=\"T\" style=\"s\" href=\"x\">T</a></div>"_s
                                 << std::optional<NoticeEntry>();
        // The app would fetch these itself: local files, scripts.
        QTest::newRow("link to a file")
            << noticeRow(u"T"_s, u"file:///etc/passwd"_s, u"d"_s) << std::optional<NoticeEntry>();
        QTest::newRow("link to no valid host")
            << noticeRow(u"T"_s, u"http://www.site.test停水</a>/x"_s, u"d"_s)
            << std::optional<NoticeEntry>();
        QTest::newRow("link to a script")
            << noticeRow(u"T"_s, u"javascript:open(1)"_s, u"d"_s) << std::optional<NoticeEntry>();
    }

    void noticeEntry()
    {
        QFETCH(QString, row);
        QFETCH(std::optional<NoticeEntry>, entry);
        const QList<NoticeEntry> entries = listed(row);
        QCOMPARE(entries.isEmpty() ? std::nullopt : std::optional(entries.first()), entry);
    }

    void noticeListTakesEvenElementsUpToTen_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("notices");
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("nine") << 9 << 9;
        QTest::newRow("ten") << 10 << 10;
        QTest::newRow("eleven") << 11 << 10;
        QTest::newRow("thirteen") << 13 << 10;
    }

    void noticeListTakesEvenElementsUpToTen()
    {
        QFETCH(int, rows);
        QFETCH(int, notices);
        QString content;
        for (int i = 0; i < rows; ++i)
            content += noticeRow(u"N%1"_s.arg(i), u"x"_s, u"d"_s);
        const QList<NoticeEntry> entries = listed(content);
        QCOMPARE(entries.size(), notices);
        for (int i = 0; i < notices; ++i)
            QCOMPARE(entries[i].title, u"N%1"_s.arg(i));
    }

    void oddElementsAreSkippedWhateverTheyHold()
    {
        // 25 elements, the odd ones notices too: only 0, 2, ..., 18 count.
        QString content;
        for (int i = 0; i < 25; ++i)
            content += u"<div><a title=\"N%1\" href=\"x\">N%1</a>[d]</div>"_s.arg(i);
        const QList<NoticeEntry> entries = listed(content);
        QCOMPARE(entries.size(), 10);
        QCOMPARE(entries.last().title, u"N18"_s);
    }

    // Rows are found with descendant steps and read in place; XPath the long way must agree.
    void noticeRowsReadAsXPathReadsThem_data()
    {
        QTest::addColumn<QByteArray>("page");

        const auto list = [](const QString &rows) {
            return SitePages::page(u"<div class='content'>"_s + rows + u"</div>"_s);
        };
        QTest::newRow("rows as the site writes them")
            << list(noticeRow(u"A"_s, u"a.asp?x=1&amp;y=2"_s, u"2016-01-05"_s) +
                    noticeRow(u"B"_s, u"b"_s, u"d"_s));
        QTest::newRow("titled anchor deeper and after an untitled one")
            << list(u"<div><span><a href='n'>none</a><b><a title='T&amp;1' href='h1'>x</a></b>"
                    u"</span><a title='U' href='h2'>y</a>[d]</div>"_s);
        QTest::newRow("title on another element first")
            << list(u"<div><span title='S'>s</span><a title='T' href='h'>x</a>[d]</div>"_s);
        QTest::newRow("upper-case markup") << list(u"<DIV><A TITLE='T' HREF='h'>x</A>[d]</DIV>"_s);
        QTest::newRow("empty and valueless titles")
            << list(u"<div><a title='' href='a'>x</a><a title href='b'>y</a>[d]</div>"_s);
        QTest::newRow("prefixed attributes are other attributes")
            << list(u"<div><a x:title='X' href='p'>x</a><a title='T' x:href='q'>y</a>[d]</div>"_s);
        QTest::newRow("row inside a row")
            << list(u"<div><div><a title='inner' href='i'>i</a>[1]</div>"
                    u"<a title='outer' href='o'>o</a>[2]</div>"_s);
        QTest::newRow("references, comments and script in the text")
            << list(u"<div><a title='&#x4e2d;&lt;' href='?a=1&amp;b=2'>中</a>[2016<!-- c -->-01]"
                    u"<script>var s = \"[x]\";</script></div>"_s);
        QTest::newRow("no anchor") << list(u"<div>[d]</div><div></div>"_s);
        QTest::newRow("block inside a block")
            << SitePages::page(u"<div class='content'><div class='content'><div>"_s +
                               noticeRow(u"A"_s, u"a"_s, u"d"_s) + u"</div></div></div>"_s);
        QTest::newRow("two blocks, rows below other elements") << SitePages::page(
            u"<div class='content'><ul><li>"_s + noticeRow(u"A"_s, u"a"_s, u"d"_s) +
            u"</li></ul></div><p>x</p><div class='content'>"_s + noticeRow(u"B"_s, u"b"_s, u"e"_s) +
            u"</div>"_s);
        QTest::newRow("block of another element or class")
            << SitePages::page(u"<p class='content'><span>x</span></p>"
                               u"<div class='content wide'><div>y</div></div>"_s);
        QTest::newRow("site's list page") << sitePage(NoticeList::listPath.toString());
    }

    void noticeRowsReadAsXPathReadsThem()
    {
        QFETCH(QByteArray, page);
        const QList<QStringList> expected =
            ScraperReference::strings(page, ScraperReference::rows, ScraperReference::rowFields);
        const HtmlDocument document = HtmlDocument::fromData(page);
        const QList<HtmlNode> rows = document.nodes(NoticeList::rowsXPath.toString());
        QCOMPARE(rows.size(), expected.size());
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const HtmlNode anchor = rows[i].firstDescendant("a", "title");
            QCOMPARE(
                (QStringList{anchor.attribute("title"), anchor.attribute("href"), rows[i].text()}),
                expected[i]);
        }
    }

    void gbkListPageOfTheSite()
    {
        const QByteArray bytes = sitePage(NoticeList::listPath.toString());
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString asUtf8 = utf8(bytes);
        QVERIFY2(utf8.hasError(), "the list page is GBK, not UTF-8");
        const QList<NoticeEntry> entries =
            NoticeList::entries({bytes, 200, "gbk"}, website).value_or(QList<NoticeEntry>{});
        QCOMPARE(entries.size(), 10);
        QCOMPARE(
            entries.first(),
            (NoticeEntry{u"关于城北片区计划停水的通知"_s, u"2016-01-12"_s,
                         u"http://site.test:8080/reds/service_detail.asp?types=news&id=2401"_s}));
        for (const NoticeEntry &entry : entries) {
            const QUrl url(entry.URL);
            QCOMPARE(sandbox::Website().page(url.path(), QUrlQuery(url)).status, 200);
        }
    }

    void loaderFetchesTheListWithItsEncodedQuery()
    {
        FakePageFetcher fetcher;
        NoticeListLoader loader(&fetcher, website);
        QObject receiver;
        std::optional<QList<NoticeEntry>> received;
        loader.getURLAndTitle(&receiver, [&](const QList<NoticeEntry> &list) { received = list; });
        QCOMPARE(fetcher.requests().size(), 1);
        QCOMPARE(fetcher.requests()[0].url.toEncoded(),
                 "http://site.test:8080/reds/service.asp?classid=28&subid=29&classname="
                 "%CB%AE%B5%E7%C6%F8%B9%AB%B8%E6");
        QVERIFY(!received); // nothing waits on the fetch
        fetcher.respond(0, sitePage(NoticeList::listPath.toString()));
        QTRY_VERIFY(received);
        QCOMPARE(received->size(), 10);
    }

    void loaderFailure()
    {
        FakePageFetcher fetcher;
        NoticeListLoader loader(&fetcher, website);
        QObject receiver;
        std::optional<QList<NoticeEntry>> listed;
        QString reason;
        loader.getURLAndTitle(&receiver, [&](const QList<NoticeEntry> &list) { listed = list; });
        loader.getURLAndTitle(
            &receiver, [&](const QList<NoticeEntry> &) { QFAIL("no list after a failure"); },
            [&](const QString &why) { reason = why; });
        fetcher.fail(0);
        fetcher.fail(1, u"timed out"_s);
        QTRY_COMPARE(reason, u"timed out"_s);
        QVERIFY(listed && listed->isEmpty()); // the screen opens without rows
    }

    void fragmentRules_data()
    {
        using PageFragments::ServiceList;
        QTest::addColumn<FragmentRule>("rule");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QStringList>("pieces");

        const QByteArray paragraphs = SitePages::page(
            u"<div class='ny_right'><div>x</div><p>A</p><p>B</p><div><p>no</p></div></div>"_s);
        const QStringList twoParagraphs{u"<p>A</p>"_s, u"<p>B</p>"_s};
        QTest::newRow("guide 0: paragraphs")
            << PageFragments::serviceDetail(ServiceList::guide, 0) << paragraphs << twoParagraphs;
        QTest::newRow("guide 1: paragraphs")
            << PageFragments::serviceDetail(ServiceList::guide, 1) << paragraphs << twoParagraphs;
        QTest::newRow("about: paragraphs")
            << PageFragments::aboutUs() << paragraphs << twoParagraphs;
        QTest::newRow("guide 2: Section1")
            << PageFragments::serviceDetail(ServiceList::guide, 2)
            << SitePages::page(
                   u"<div class='ny_right'><p>A</p><div class='Section1'><p>W</p></div></div>"_s)
            << QStringList{u"<div class=\"Section1\"><p>W</p></div>"_s};
        QTest::newRow("publicity 0: six pieces lose the fourth")
            << PageFragments::serviceDetail(ServiceList::publicity, 0) << SitePages::article(4)
            << QStringList{u"<div>T</div>"_s, u"<div>I</div>"_s, u"<p>P0</p>"_s, u"<p>P2</p>"_s,
                           u"<p>P3</p>"_s};
        QTest::newRow("publicity 0: three pieces keep all")
            << PageFragments::serviceDetail(ServiceList::publicity, 0) << SitePages::article(1)
            << QStringList{u"<div>T</div>"_s, u"<div>I</div>"_s, u"<p>P0</p>"_s};
        QTest::newRow("publicity 3: five pieces lose the last")
            << PageFragments::serviceDetail(ServiceList::publicity, 3)
            << SitePages::page(
                   u"<div class='ny_right'><div>h</div><div><div>1</div><div>2</div><div>3</div>"
                   u"<div>4</div><div>5</div></div></div>"_s)
            << QStringList{u"<div>1</div>"_s, u"<div>2</div>"_s, u"<div>3</div>"_s,
                           u"<div>4</div>"_s};
        QTest::newRow("publicity 6: nested match shown twice")
            << PageFragments::serviceDetail(ServiceList::publicity, 6)
            << SitePages::page(u"<div class='ny_right'><div>h</div><div><div>a<div>b</div></div>"
                               u"<div>s</div></div></div>"_s)
            << QStringList{u"<div>a<div>b</div></div>"_s, u"<div>b</div>"_s};
        QTest::newRow("publicity 1: no pieces")
            << PageFragments::serviceDetail(ServiceList::publicity, 1)
            << SitePages::page(u"<div class='ny_right'><p>nothing</p></div>"_s) << QStringList{};
        QTest::newRow("notice detail: three blocks, no share bar")
            << PageFragments::noticeDetail() << SitePages::article(2)
            << QStringList{u"<div>T</div>"_s, u"<div>I</div>"_s,
                           u"<div><p>P0</p><p>P1</p></div>"_s};
    }

    void fragmentRules()
    {
        QFETCH(FragmentRule, rule);
        QFETCH(QByteArray, page);
        QFETCH(QStringList, pieces);
        QCOMPARE(PageFragments::pieces(HtmlDocument::fromData(page), rule), pieces);
        QCOMPARE(PageFragments::markup({page}, rule), pieces.join(QString()));
    }

    // The rules find the content column once; written out, one search per block, they agree.
    void rulesReadAsTheirLongForms_data()
    {
        QTest::addColumn<FragmentRule>("rule");
        QTest::addColumn<QStringList>("longForm");
        QTest::addColumn<QByteArray>("page");

        const QString blocks = u"<div>h</div><div><div>1<div>1a</div></div><div>2<p>2p</div>"
                               u"<div>3<p>3p</p><div>3a<p>3ap</p></div></div><div>4</div></div>"_s;
        const QList<std::pair<const char *, QByteArray>> pages{
            {"article", SitePages::article(4)},
            {"two columns",
             SitePages::page(u"<div class='ny_right'><p>A</p>"_s + blocks +
                             u"</div><div class='ny_right'><p>B</p>"_s + blocks + u"</div>"_s)},
            {"column in a column",
             SitePages::page(u"<div class='ny_right'><p>A</p><div>x</div><div class='ny_right'>"_s +
                             blocks + u"</div></div>"_s)},
            {"second block short", SitePages::page(u"<div class='ny_right'><div>h</div><div><div>1"
                                                   u"</div><div>2</div></div></div>"_s)},
            {"no second block", SitePages::page(u"<div class='ny_right'><p>A</p></div>"_s)},
            {"blocks one level down",
             SitePages::page(u"<div class='ny_right'><div>"_s + blocks + u"</div></div>"_s)},
            {"office document outside the column",
             SitePages::page(u"<div class='ny_right'><p>A</p></div>"
                             u"<div class='Section1'><p>W</p></div>"_s)},
            {"office document, no column",
             SitePages::page(u"<div class='Section1'><p>W</p></div>"_s)},
            {"blocks, no column", SitePages::page(u"<div class='other'>"_s + blocks + u"</div>"_s)},
            {"upper-case column",
             SitePages::page(u"<DIV CLASS='ny_right'><P>A</P>"_s + blocks + u"</DIV>"_s)},
            {"column of more classes",
             SitePages::page(u"<div class='ny_right wide'><p>A</p>"_s + blocks + u"</div>"_s)},
        };
        const QList<std::pair<FragmentRule, QStringList>> rules = ScraperReference::rules();
        for (const auto &[name, page] : pages) {
            for (qsizetype i = 0; i < rules.size(); ++i)
                QTest::addRow("%s, rule %lld", name, static_cast<long long>(i))
                    << rules[i].first << rules[i].second << page;
        }
    }

    void rulesReadAsTheirLongForms()
    {
        QFETCH(FragmentRule, rule);
        QFETCH(QStringList, longForm);
        QFETCH(QByteArray, page);

        FragmentRule spelledOut = rule;
        spelledOut.xpaths = longForm;
        const HtmlDocument document = HtmlDocument::fromData(page);
        const QStringList pieces = PageFragments::pieces(document, spelledOut);
        QCOMPARE(PageFragments::pieces(document, rule), pieces);
        const bool hasColumn = document.count(ScraperReference::column) > 0;
        QCOMPARE(PageFragments::markup({page}, rule),
                 hasColumn ? std::optional(pieces.join(QString())) : std::nullopt);
    }

    void sitePagesGiveTheirBodies_data()
    {
        using PageFragments::ServiceList;
        QTest::addColumn<QString>("path");
        QTest::addColumn<FragmentRule>("rule");
        QTest::addColumn<QString>("title");

        // The guide pages carry their title in the frame; their bodies begin with these.
        const QStringList guideOpenings{u"低压用电开户"_s, u"新装用水"_s, u"天然气业务办理指南"_s};
        const QList<ServicePages::Page> &guide = ServicePages::guide();
        for (int row = 0; row < guide.size(); ++row)
            QTest::addRow("guide %d", row)
                << guide[row].path << PageFragments::serviceDetail(ServiceList::guide, row)
                << guideOpenings[row];
        const QList<ServicePages::Page> &publicity = ServicePages::publicity();
        for (int row = 0; row < publicity.size(); ++row)
            QTest::addRow("publicity %d", row)
                << publicity[row].path << PageFragments::serviceDetail(ServiceList::publicity, row)
                << publicity[row].title;
        QTest::newRow("about") << ServicePages::aboutPath.toString() << PageFragments::aboutUs()
                               << u"塔沃公用事业有限公司成立于"_s;
        QTest::newRow("notice") << u"/reds/service_detail.asp?types=news&id=2395"_s
                                << PageFragments::noticeDetail() << u"阶梯水价"_s;
    }

    void sitePagesGiveTheirBodies()
    {
        QFETCH(QString, path);
        QFETCH(FragmentRule, rule);
        QFETCH(QString, title);
        const QString markup =
            PageFragments::markup({sitePage(path), 200, "gbk"}, rule).value_or(QString());
        QVERIFY2(markup.contains(title), qPrintable(markup.left(200)));
        // What lies around the body stays out: the site's frame, its share bar, the picture.
        QVERIFY(!markup.contains(u"当前位置"_s));
        QVERIFY(!markup.contains(u"分享到"_s));
        QVERIFY(!markup.contains(u"<img src=\"/upfile/2015120154213360.jpg\""_s));
    }

    void viewportScript()
    {
        QCOMPARE(InfoTexts::viewportScript(375),
                 u"document.getElementsByName(\"viewport\")[0].content = \"width=375.000000, "
                 u"initial-scale=1.0, minimum-scale=1.0, maximum-scale=1.0, user-scalable=no\""_s);
    }

    void outlets_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QList<Outlet>>("outlets");

        QTest::newRow("numbers")
            << QByteArray(
                   "[{\"lat\":30.5,\"lng\":104.25,\"name\":\"A\",\"address\":\"B\",\"x\":1}]")
            << QList<Outlet>{{30.5, 104.25, u"A"_s, u"B"_s}};
        QTest::newRow("numbers as texts") << QByteArray("[{\"lat\":\"30.5\",\"lng\":\" 104.25 \"}]")
                                          << QList<Outlet>{{30.5, 104.25, {}, {}}};
        QTest::newRow("not numeric, missing")
            << QByteArray("[{\"lat\":\"north\",\"name\":7}]") << QList<Outlet>{{0, 0, {}, {}}};
        QTest::newRow("texts that are no finite numbers")
            << QByteArray("[{\"lat\":\"nan\",\"lng\":\"inf\"}]") << QList<Outlet>{{0, 0, {}, {}}};
        QTest::newRow("not objects")
            << QByteArray("[1,\"a\",{\"lat\":1}]") << QList<Outlet>{{1, 0, {}, {}}};
        QTest::newRow("empty array") << QByteArray("[]") << QList<Outlet>{};
        QTest::newRow("object") << QByteArray("{\"lat\":1}") << QList<Outlet>{};
        QTest::newRow("not JSON") << QByteArray("[{") << QList<Outlet>{};
    }

    void outlets()
    {
        QFETCH(QByteArray, json);
        QFETCH(QList<Outlet>, outlets);
        QCOMPARE(OutletList::fromJson(json), outlets);
    }

    void bundledOutletsLieAroundTheCentre()
    {
        const QList<Outlet> outlets = OutletList::bundled();
        QVERIFY(outlets.size() >= 3);
        for (const Outlet &outlet : outlets) {
            QVERIFY(outlet.name && outlet.address);
            // Within the opening region: 9 km is about 0.08 degrees here.
            QVERIFY(qAbs(outlet.lat - OutletList::mapCentre.latitude) < 0.04);
            QVERIFY(qAbs(outlet.lng - OutletList::mapCentre.longitude) < 0.045);
        }
    }
};

QTEST_GUILESS_MAIN(TestInfo)
#include "tst_info.moc"
