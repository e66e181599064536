// The notice, guide, publicity and about screens driven through their controllers, with the
// website answered by a fake fetcher.
#include "FakeNavigator.h"
#include "FakePageFetcher.h"
#include "SitePages.h"
#include "home/HomeViewController.h"
#include "shell/BaseViewController.h"
#include "website/AboutUsViewController.h"
#include "website/AnnounceDetailViewController.h"
#include "website/AnnouncementViewController.h"
#include "website/LPServiceDetailViewController.h"
#include "website/LPServiceGuideViewController.h"
#include "website/NoticeList.h"
#include "website/PageFragments.h"
#include "website/ServicePages.h"
#include "website/WebsiteAddress.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QUrl website(u"http://site.test"_s);

QByteArray sitePage(const QString &pathAndQuery)
{
    return SitePages::served(WebsiteAddress::page(website, pathAndQuery));
}

HomeViewController *makeHome(FakeNavigator &navigator, FakePageFetcher &fetcher)
{
    ScreenServices services;
    services.pageFetcher = &fetcher;
    services.websiteUrl = website;
    return new HomeViewController(&navigator, services, &navigator.owner);
}

enum class Screen { notice, guide, publicity, about };

WebsitePageViewController *pageScreen(Screen screen, Navigator *navigator, PageFetcher *fetcher)
{
    switch (screen) {
    case Screen::notice:
        return new AnnounceDetailViewController(navigator, fetcher, u"http://site.test/n"_s,
                                                u"停水通知"_s);
    case Screen::guide:
        return new LPServiceDetailViewController(navigator, fetcher, QUrl(u"http://site.test/g"_s),
                                                 0, u"用电开户业务办理指南"_s, 0);
    case Screen::publicity:
        return new LPServiceDetailViewController(navigator, fetcher, QUrl(u"http://site.test/p"_s),
                                                 2, u"节约用水常识"_s, 1);
    case Screen::about:
        return new AboutUsViewController(navigator, fetcher, website);
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(Screen)

class TestInfoScreens : public QObject
{
    Q_OBJECT

private slots:
    void noticeScreenOpensOnlyWithTheCompleteList_data()
    {
        QTest::addColumn<QByteArray>("listPage");
        QTest::addColumn<int>("rows");
        QTest::newRow("the site's list") << sitePage(NoticeList::listPath.toString()) << 10;
        QTest::newRow("a list without notices")
            << SitePages::page(u"<div class='content'><p>暂无</p></div>"_s) << 0;
    }
    void noticeScreenOpensOnlyWithTheCompleteList()
    {
        QFETCH(QByteArray, listPage);
        QFETCH(int, rows);
        FakeNavigator navigator;
        FakePageFetcher fetcher;
        HomeViewController *home = makeHome(navigator, fetcher);

        home->notificationBtnClick();
        home->notificationBtnClick(); // a second tap while it loads
        QCOMPARE(fetcher.requests().size(), 1);
        QCOMPARE(fetcher.requests()[0].url, NoticeList::listUrl(website));
        // Home goes on running under its indicator; nothing opens before the list is whole.
        QCOMPARE(home->loadingViews().size(), 1);
        QTest::qWait(10);
        QVERIFY(navigator.calls.isEmpty());

        fetcher.respond(0, listPage);
        QTRY_COMPARE(navigator.kinds(), QStringList{u"push"_s});
        QVERIFY(home->loadingViews().isEmpty());
        QVERIFY(navigator.calls[0].animated);
        auto *notices = qobject_cast<AnnouncementViewController *>(navigator.calls[0].screen);
        QVERIFY(notices);
        QCOMPARE(notices->dataSource().size(), rows);
        QCOMPARE(notices->rows().size(), rows);
        notices->viewDidLoad();
        QCOMPARE(notices->title(), u"通知公告"_s);
        QVERIFY(notices->isShowWhiteBack());
    }

    void noticeListThatCannotBeFetched_data()
    {
        QTest::addColumn<int>("status"); // 0: no answer
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("timed out") << 0 << QByteArray();
        QTest::newRow("error page")
            << 404 << SitePages::page(u"<div class='content'><div>页面不存在</div></div>"_s);
        QTest::newRow("empty page") << 200 << QByteArray();
        QTest::newRow("page without the list")
            << 200 << SitePages::page(u"<div class='news'><a href='x'>[2016-01-01]</a></div>"_s);
    }
    void noticeListThatCannotBeFetched()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, page);
        FakeNavigator navigator;
        FakePageFetcher fetcher;
        HomeViewController *home = makeHome(navigator, fetcher);
        home->notificationBtnClick();
        if (status)
            fetcher.respond(0, {page, status, {}});
        else
            fetcher.fail(0, u"timed out"_s);
        QTRY_COMPARE(navigator.kinds(), QStringList{u"alert"_s});
        QCOMPARE(navigator.lastAlert()->title, u"温馨提示"_s);
        QCOMPARE(navigator.lastAlert()->message, u"网络异常!"_s);
        QVERIFY(home->loadingViews().isEmpty());
        home->notificationBtnClick(); // the next tap tries again
        QCOMPARE(fetcher.requests().size(), 2);
    }

    void noticeRowOpensItsNotice()
    {
        FakeNavigator navigator;
        FakePageFetcher fetcher;
        const QList<NoticeEntry> entries =
            NoticeList::entries({sitePage(NoticeList::listPath.toString())}, website).value();
        AnnouncementViewController notices(&navigator, &fetcher);
        notices.setDataSource(entries);
        notices.didSelectRowAtIndex(int(entries.size())); // past the last row
        QVERIFY(navigator.calls.isEmpty());

        constexpr int middleRow = 2; // neither first nor last: the row tapped is the one opened
        const NoticeEntry &chosen = entries.at(middleRow);
        notices.didSelectRowAtIndex(middleRow);
        auto *detail = qobject_cast<AnnounceDetailViewController *>(navigator.stack.value(0));
        QVERIFY(detail);
        QCOMPARE(detail->urlStr(), chosen.URL);
        QCOMPARE(detail->title(), chosen.title);

        detail->viewDidLoad();
        QVERIFY(detail->isShowWhiteBack());
        QCOMPARE(fetcher.requests().size(), 1);
        QCOMPARE(fetcher.requests()[0].url, QUrl(chosen.URL));
        QVERIFY(!detail->pageArrived()); // no web view before the page
        const QByteArray notice = SitePages::served(QUrl(chosen.URL));
        fetcher.respond(0, notice);
        QTRY_VERIFY(detail->pageArrived());
        QCOMPARE(detail->html(), PageFragments::markup({notice}, PageFragments::noticeDetail()));
        QVERIFY(detail->html().contains(chosen.title));
        QCOMPARE(navigator.kinds(), (QStringList{u"push"_s, u"showProgress"_s, u"hideProgress"_s}));
    }

    void listScreens_data()
    {
        QTest::addColumn<int>("VCType");
        QTest::addColumn<qreal>("screenHeight");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<qreal>("tableHeight");
        const QStringList guide = ServicePages::titles(ServicePages::guide());
        const QStringList publicity = ServicePages::titles(ServicePages::publicity());
        QTest::newRow("guide") << 0 << 667.0 << u"服务指南"_s << guide << 145.0;
        QTest::newRow("publicity") << 1 << 667.0 << u"水电气宣传"_s << publicity << 345.0;
        QTest::newRow("publicity, 480 high") << 1 << 480.0 << u"水电气宣传"_s << publicity << 240.0;
        QTest::newRow("any other type") << 7 << 667.0 << u"水电气宣传"_s << publicity << 345.0;
    }
    void listScreens()
    {
        QFETCH(int, VCType);
        QFETCH(qreal, screenHeight);
        QFETCH(QString, title);
        QFETCH(QStringList, titles);
        QFETCH(qreal, tableHeight);
        FakeNavigator navigator;
        LPServiceGuideViewController list(&navigator, nullptr, website, VCType);
        list.viewDidLoad();
        QCOMPARE(list.title(), title);
        QCOMPARE(list.dataSource(), titles);
        QCOMPARE(list.tableHeight(screenHeight), tableHeight);
    }

    void noticeTableHeight_data()
    {
        QTest::addColumn<int>("notices");
        QTest::addColumn<qreal>("screenHeight");
        QTest::addColumn<qreal>("tableHeight");
        QTest::newRow("ten, 480 high") << 10 << 480.0 << 340.0;
        QTest::newRow("ten, 667 high") << 10 << 667.0 << 490.0;
        QTest::newRow("none") << 0 << 667.0 << 0.0;
    }
    void noticeTableHeight()
    {
        QFETCH(int, notices);
        QFETCH(qreal, screenHeight);
        QFETCH(qreal, tableHeight);
        AnnouncementViewController screen(nullptr, nullptr);
        screen.setDataSource(QList<NoticeEntry>(notices));
        QCOMPARE(screen.tableHeight(screenHeight), tableHeight);
    }

    // Each row's rule is PageFragments' test; one row of each list shows the rule is applied.
    void serviceRowsOpenTheirPageWithTheirRule_data()
    {
        QTest::addColumn<int>("VCType");
        QTest::addColumn<int>("row");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("html");
        const QByteArray guidePage = SitePages::page(
            u"<div class='ny_right'><p>A</p><div class='Section1'><p>W</p></div><p>B</p></div>"_s);
        QTest::newRow("guide 2: the office document")
            << 0 << 2 << guidePage << u"<div class=\"Section1\"><p>W</p></div>"_s;
        QTest::newRow("publicity 0: the fourth piece goes")
            << 1 << 0 << SitePages::article(4)
            << u"<div>T</div><div>I</div><p>P0</p><p>P2</p><p>P3</p>"_s;
    }
    void serviceRowsOpenTheirPageWithTheirRule()
    {
        QFETCH(int, VCType);
        QFETCH(int, row);
        QFETCH(QByteArray, page);
        QFETCH(QString, html);
        FakeNavigator navigator;
        FakePageFetcher fetcher;
        LPServiceGuideViewController list(&navigator, &fetcher, website, VCType);
        list.viewDidLoad();
        list.didSelectRowAtIndex(row);
        auto *detail = qobject_cast<LPServiceDetailViewController *>(navigator.stack.value(0));
        QVERIFY(detail);
        const ServicePages::Page &chosen =
            (VCType ? ServicePages::publicity() : ServicePages::guide()).at(row);
        QCOMPARE(detail->urlStr(), WebsiteAddress::page(website, chosen.path));
        QCOMPARE(detail->title(), chosen.title);
        QCOMPARE(detail->index(), row);
        QCOMPARE(detail->ServiceVCTypeFrom(), VCType);

        detail->viewDidLoad();
        QCOMPARE(fetcher.requests().size(), 1);
        QCOMPARE(fetcher.requests()[0].url, detail->urlStr());
        fetcher.respond(0, page);
        QTRY_VERIFY(detail->pageArrived());
        QCOMPARE(detail->html(), html);
        QVERIFY(navigator.alertMessages().isEmpty());
    }

    void pageThatCannotBeFetched_data()
    {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("backOnOk");
        // A notice stays open; the guide, publicity and about pages go back.
        QTest::newRow("notice") << Screen::notice << u"http://site.test/n"_s << false;
        QTest::newRow("guide") << Screen::guide << u"http://site.test/g"_s << true;
        QTest::newRow("publicity") << Screen::publicity << u"http://site.test/p"_s << true;
        QTest::newRow("about") << Screen::about << u"http://site.test/reds/main.asp"_s << true;
    }
    void pageThatCannotBeFetched()
    {
        QFETCH(Screen, screen);
        QFETCH(QString, url);
        QFETCH(bool, backOnOk);
        FakeNavigator navigator;
        FakePageFetcher fetcher;
        navigator.push(new BaseViewController(&navigator), false);
        WebsitePageViewController *detail = pageScreen(screen, &navigator, &fetcher);
        navigator.push(detail, true);
        navigator.calls.clear();

        detail->viewDidLoad();
        QCOMPARE(fetcher.requests().size(), 1);
        QCOMPARE(fetcher.requests()[0].url.toString(), url);
        QCOMPARE(fetcher.requests()[0].timeout, std::chrono::milliseconds(5000));
        fetcher.fail(0, u"timed out"_s);
        QTRY_COMPARE(navigator.kinds(),
                     (QStringList{u"showProgress"_s, u"hideProgress"_s, u"alert"_s}));
        QCOMPARE(navigator.lastAlert()->title, u"温馨提示"_s);
        QCOMPARE(navigator.lastAlert()->message, u"网络异常!"_s);
        QCOMPARE(navigator.lastAlert()->buttonTitles(), QStringList{u"确定"_s});
        QVERIFY(!detail->pageArrived());

        navigator.press(u"确定"_s);
        QCOMPARE(navigator.kinds().contains(u"pop"_s), backOnOk);
        QCOMPARE(navigator.stack.size(), backOnOk ? 1 : 2);
    }
};

QTEST_MAIN(TestInfoScreens)
#include "tst_infoscreens.moc"
