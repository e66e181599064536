#include "SandboxHarness.h"
#include "platform/PageFetcher.h"
#include "website/NoticeList.h"
#include "website/ServicePages.h"
#include "website/WebsiteAddress.h"

#include <QStringDecoder>
#include <QTest>

using namespace Qt::StringLiterals;

/// The company website as the sandbox serves it, at the addresses the app asks for.
class TestSandboxWebsite : public QObject
{
    Q_OBJECT

private:
    SandboxHarness m_sandbox;

    QUrl website() const
    {
        QUrl url = m_sandbox.serviceUrl();
        url.setPath(QString());
        return url;
    }

    SandboxHarness::Exchange get(const QString &pathAndQuery)
    {
        return m_sandbox.get(WebsiteAddress::page(website(), pathAndQuery));
    }

private slots:
    void initTestCase() { QVERIFY(m_sandbox.isListening()); }

    void pagesAreServedInGbk_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");

        QTest::newRow("notice list") << NoticeList::listPath.toString() << u"水电气公告"_s;
        for (const ServicePages::Page &page : ServicePages::guide() + ServicePages::publicity())
            QTest::newRow(qPrintable(page.title)) << page.path << page.title;
        QTest::newRow("about") << ServicePages::aboutPath.toString() << u"公司简介"_s;
    }

    void pagesAreServedInGbk()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        const SandboxHarness::Exchange exchange = get(path);
        QCOMPARE(exchange.status, 200);
        QCOMPARE(exchange.contentType, "text/html; charset=gbk");
        QVERIFY(exchange.body.contains("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                                       "charset=gbk\" />"));
        QStringDecoder gbk("GBK");
        const QString text = gbk(exchange.body);
        QVERIFY(!gbk.hasError());
        QVERIFY(text.contains(expected));
        QVERIFY2(!exchange.body.contains(expected.toUtf8()), "the bytes are GBK, not UTF-8");
    }

    void everyListedNoticeHasItsPage()
    {
        const SandboxHarness::Exchange list = get(NoticeList::listPath.toString());
        const QList<NoticeEntry> notices =
            NoticeList::entries({list.body, list.status}, website()).value_or(QList<NoticeEntry>{});
        QCOMPARE(notices.size(), 10);
        QStringDecoder gbk("GBK");
        const QString text = gbk(list.body);
        QVERIFY2(text.count(u"class=\"news_list\""_s) > 10, "more notices than the app shows");
        for (const NoticeEntry &notice : notices) {
            const SandboxHarness::Exchange page = m_sandbox.get(QUrl(notice.URL));
            QCOMPARE(page.status, 200);
            const QString pageText = QStringDecoder("GBK").decode(page.body);
            QVERIFY(pageText.contains(notice.title));
        }
    }

    void carouselPicturesAreJpeg_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("1") << u"/upfile/2015121063404641.jpg"_s;
        QTest::newRow("2") << u"/upfile/2015121069247801.jpg"_s;
        QTest::newRow("3") << u"/upfile/2015121461354797.jpg"_s;
    }

    void carouselPicturesAreJpeg()
    {
        QFETCH(QString, path);
        const SandboxHarness::Exchange exchange = get(path);
        QCOMPARE(exchange.status, 200);
        QCOMPARE(exchange.contentType, "image/jpeg");
        QVERIFY(exchange.body.startsWith("\xFF\xD8\xFF"));
        QVERIFY(exchange.body.size() > 2000);
    }

    void unknownPagesAreNotFound_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("other category") << u"/reds/service.asp?classid=28&subid=30"_s;
        QTest::newRow("unknown article") << u"/reds/service_detail.asp?types=news&id=1"_s;
        QTest::newRow("article without id") << u"/reds/service_detail.asp?types=news"_s;
        QTest::newRow("unknown guide") << u"/reds/about.asp?bid=9&cid=12&sid=73"_s;
        QTest::newRow("unknown script") << u"/reds/contact.asp"_s;
        QTest::newRow("unknown picture") << u"/upfile/2015121063404642.jpg"_s;
        QTest::newRow("outside the site") << u"/index.html"_s;
    }

    void unknownPagesAreNotFound()
    {
        QFETCH(QString, path);
        const SandboxHarness::Exchange exchange = get(path);
        QVERIFY(exchange.answered);
        QCOMPARE(exchange.status, 404);
    }
};

QTEST_GUILESS_MAIN(TestSandboxWebsite)
#include "tst_sandboxwebsite.moc"
