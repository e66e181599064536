// Website pages as real sites serve them (tests/data/info): the notice list read through the
// real fetcher from a local HTTP server, as the notices button reads it, and the notice page
// through its screen.
#include "FakeNavigator.h"
#include "FakePageFetcher.h"
#include "LocalHttpServer.h"
#include "SiteCorpus.h"
#include "platform/NetworkPageFetcher.h"
#include "website/AnnounceDetailViewController.h"
#include "website/NoticeListLoader.h"

#include <QNetworkAccessManager>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QJsonArray json(const QList<NoticeEntry> &notices)
{
    QJsonArray array;
    for (const NoticeEntry &notice : notices)
        array.append(QJsonObject{
            {u"title"_s, notice.title}, {u"subTitle"_s, notice.subTitle}, {u"URL"_s, notice.URL}});
    return array;
}

} // namespace

class TestSiteCorpus : public QObject
{
    Q_OBJECT

private slots:
    void noticeListPages_data() { SiteCorpus::addListPages(); }
    void noticeListPages()
    {
        QFETCH(QString, page);
        QFETCH(int, status);
        QFETCH(QByteArray, contentType);
        QFETCH(bool, listed);
        LocalHttpServer server;
        QVERIFY(server.listen());
        server.setResponse({status, contentType, SiteCorpus::file(page + u".html"_s)});
        QNetworkAccessManager network;
        NetworkPageFetcher fetcher(&network);
        const QUrl website = server.url();

        std::optional<QList<NoticeEntry>> notices;
        std::optional<QString> failure;
        NoticeListLoader(&fetcher, website)
            .getURLAndTitle(
                &network, [&](const QList<NoticeEntry> &list) { notices = list; },
                [&](const QString &reason) { failure = reason; });
        QTRY_VERIFY(notices || failure);
        QCOMPARE(bool(notices), listed);
        if (listed)
            QCOMPARE(json(*notices),
                     SiteCorpus::expectedNotices(page, website.toString(QUrl::StripTrailingSlash)));
    }

    void noticePages_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("charset"); // of the Content-Type header
        QTest::addColumn<bool>("shown");         // else "网络异常!"

        QTest::newRow("gb2312 label, GBK-only characters")
            << u"notice-gb2312"_s << 200 << QByteArray() << true;
        QTest::newRow("title before the meta")
            << u"notice-late-meta"_s << 200 << QByteArray() << true;
        QTest::newRow("charset only in the header")
            << u"notice-gbk-no-meta"_s << 200 << QByteArray("gbk") << true;
        QTest::newRow("no charset, GBK") << u"notice-gbk-no-meta"_s << 200 << QByteArray() << true;
        QTest::newRow("404 with the site's frame")
            << u"not-found"_s << 404 << QByteArray("gbk") << false;
        QTest::newRow("500 of the server") << u"server-error"_s << 500 << QByteArray() << false;
        QTest::newRow("200 of another site") << u"maintenance"_s << 200 << QByteArray() << false;
    }
    void noticePages()
    {
        QFETCH(QString, page);
        QFETCH(int, status);
        QFETCH(QByteArray, charset);
        QFETCH(bool, shown);
        FakeNavigator navigator;
        FakePageFetcher fetcher;
        AnnounceDetailViewController screen(&navigator, &fetcher, u"http://site.test/n"_s,
                                            u"关于镕城片区计划停水的通知"_s);
        screen.viewDidLoad();
        fetcher.respond(0, {SiteCorpus::file(page + u".html"_s), status, charset});
        QTRY_COMPARE(navigator.kinds().size(), shown ? 2 : 3);
        QCOMPARE(screen.pageArrived(), shown);
        if (shown) {
            // The whole body, past the characters only GBK has.
            QVERIFY2(screen.html().contains(
                         u"<div class=\"news_title\">关于镕城片区计划停水的通知</div>"_s),
                     qPrintable(screen.html()));
            QVERIFY(screen.html().contains(u"联系人：王堃，电话：0813-96677转1。"_s));
            QVERIFY(screen.html().contains(u"喆园小区停止供水"_s));
        } else {
            QCOMPARE(navigator.lastAlert()->message, u"网络异常!"_s);
        }
    }
};

QTEST_MAIN(TestSiteCorpus)
#include "tst_sitecorpus.moc"
