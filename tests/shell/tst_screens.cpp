// The shell's screens driven through their controllers: home menu, carousel, loading
// indicator, screen base and the QML-facing navigator.
#include "FakeClock.h"
#include "FakeNavigator.h"
#include "FakePageFetcher.h"
#include "FakeReachability.h"
#include "FakeSecureStore.h"
#include "FakeSettingsStore.h"
#include "FakeTransport.h"
#include "FakeWalletSdk.h"
#include "PlainScreen.h"
#include "account/SignViewController.h"
#include "billing/PaymentResults.h"
#include "common/SignInSession.h"
#include "home/HomeViewController.h"
#include "home/ImageCache.h"
#include "home/KTWheelPhotoView.h"
#include "platform/NotificationCenter.h"
#include "service/ServiceClient.h"
#include "shell/KTLoadingView.h"
#include "shell/QmlNavigator.h"

#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_navigator = std::make_unique<FakeNavigator>();
        m_reachability = {};
    }

    void homeLoadPresentsSignInAndTheCarousel()
    {
        HomeViewController *home = makeHome();
        home->viewDidLoad();
        QCOMPARE(home->title(), u"Tarvo在线缴费"_s);
        QVERIFY(!home->isShowWhiteBack());
        QCOMPARE(m_navigator->kinds(), QStringList{u"present"_s});
        QVERIFY(qobject_cast<SignViewController *>(m_navigator->calls.at(0).screen));
        QVERIFY(!m_navigator->calls.at(0).animated);
        QVERIFY(home->wheelPhotoView());
        QCOMPARE(home->wheelPhotoView()->picArray(),
                 (QStringList{u"http://site.test/upfile/2015121063404641.jpg"_s,
                              u"http://site.test/upfile/2015121069247801.jpg"_s,
                              u"http://site.test/upfile/2015121461354797.jpg"_s}));
    }

    // Each menu entry opens its screen (the notice list opens only once fetched; its own
    // tests follow that) or says why it cannot.
    void menuActions_data()
    {
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<QByteArray>("pushedClass");
        QTest::addColumn<QString>("pushedTitle");
        QTest::addColumn<QString>("alert");

        QTest::newRow("red packets")
            << "myHongBao"_ba << true << "HongBaoViewController"_ba << u"我的红包"_s << QString();
        QTest::newRow("red packets, no network")
            << "myHongBao"_ba << false << QByteArray() << QString() << u"网络异常!"_s;
        QTest::newRow("questions")
            << "changJianWenTi"_ba << true << QByteArray() << QString() << u"新功能敬请期待!"_s;
        QTest::newRow("pay, no network")
            << "WaterPayBtnClick"_ba << false << "LPPayViewController"_ba << u"水电气缴费"_s
            << QString();
        QTest::newRow("records") << "PayReconderBtnClick"_ba << true
                                 << "LPPayRecordViewController"_ba << u"缴费记录"_s << QString();
        QTest::newRow("outlets") << "webSearchBtnClick"_ba << true << "MapPointViewController"_ba
                                 << u"网点查询"_s << QString();
        QTest::newRow("guide") << "serviceGuaidBtnClick"_ba << true
                               << "LPServiceGuideViewController"_ba << u"服务指南"_s << QString();
        QTest::newRow("publicity")
            << "advertiseBtnClick"_ba << true << "LPServiceGuideViewController"_ba
            << u"水电气宣传"_s << QString();
        QTest::newRow("about") << "aboutMeBtnClick"_ba << true << "AboutUsViewController"_ba
                               << u"关于我们"_s << QString();
    }
    void menuActions()
    {
        QFETCH(QByteArray, action);
        QFETCH(bool, reachable);
        QFETCH(QByteArray, pushedClass);
        QFETCH(QString, pushedTitle);
        QFETCH(QString, alert);
        m_reachability.reachable = reachable;
        HomeViewController *home = makeHome();

        QVERIFY(QMetaObject::invokeMethod(home, action.constData()));
        if (!alert.isEmpty()) {
            QCOMPARE(m_navigator->kinds(), QStringList{u"alert"_s});
            QCOMPARE(m_navigator->lastAlert()->title, u"温馨提示"_s);
            QCOMPARE(m_navigator->lastAlert()->message, alert);
            QCOMPARE(m_navigator->lastAlert()->buttonTitles(), QStringList{u"确定"_s});
            return;
        }
        QCOMPARE(m_navigator->kinds(), QStringList{u"push"_s});
        QVERIFY(m_navigator->calls.at(0).animated);
        auto *pushed = qobject_cast<BaseViewController *>(m_navigator->calls.at(0).screen);
        QVERIFY(pushed);
        QCOMPARE(QByteArray(pushed->metaObject()->className()), pushedClass);
        QVERIFY(m_pageFetcher.requests().isEmpty()); // website pages are fetched at load
        pushed->viewDidLoad();
        QCOMPARE(pushed->title(), pushedTitle);
        QVERIFY(pushed->isShowWhiteBack());
    }

    void shortScreenLayout_data()
    {
        QTest::addColumn<qreal>("height");
        QTest::addColumn<int>("constraint");
        QTest::newRow("479") << 479.0 << 0;
        QTest::newRow("480") << 480.0 << -15;
        QTest::newRow("481") << 481.0 << 0;
        QTest::newRow("667") << 667.0 << 0;
    }
    void shortScreenLayout()
    {
        QFETCH(qreal, height);
        QFETCH(int, constraint);
        HomeViewController *home = makeHome();
        home->layoutForScreenHeight(height);
        QCOMPARE(home->heightConstraint(), constraint);
    }

    void carouselDots_data()
    {
        QTest::addColumn<qreal>("pages");
        QTest::addColumn<int>("dot");
        QTest::newRow("0") << 0.0 << 0;
        QTest::newRow("0.49") << 0.49 << 0;
        QTest::newRow("0.5") << 0.5 << 1;
        QTest::newRow("1.4") << 1.4 << 1;
        QTest::newRow("1.6") << 1.6 << 2;
    }
    void carouselDots()
    {
        QFETCH(qreal, pages);
        QFETCH(int, dot);
        KTWheelPhotoView wheel(140, {u"a"_s, u"b"_s, u"c"_s}, imageCache());
        wheel.didScroll(pages * 375, 375);
        QCOMPARE(wheel.currentPage(), dot);
    }

    void carouselAdvancesAndWraps()
    {
        KTWheelPhotoView wheel(140, {u"a"_s, u"b"_s, u"c"_s}, imageCache());
        QSignalSpy scrolls(&wheel, &KTWheelPhotoView::scrollRequested);
        QVERIFY(wheel.isAdvancing());
        const QList<qreal> offsets{0, 375, 750};
        for (const qreal offset : offsets) {
            wheel.didScroll(offset, 375);
            wheel.advance();
        }
        QCOMPARE(scrolls.size(), 3);
        QCOMPARE(scrolls.at(0).at(0).toReal(), 375.0);
        QCOMPARE(scrolls.at(1).at(0).toReal(), 750.0);
        QCOMPARE(scrolls.at(2).at(0).toReal(), 0.0);

        wheel.willBeginDragging();
        QVERIFY(!wheel.isAdvancing());
        wheel.didEndDragging();
        QVERIFY(wheel.isAdvancing());
    }

    // Callers make it, start it, then set the type: the dots still end up round.
    void loadingIndicatorInCallersOrder()
    {
        PlainScreen screen(m_navigator.get(), u"t"_s);
        auto *first = new KTLoadingView(&screen);
        QVERIFY(screen.loadingViews().isEmpty());
        QVERIFY(!first->circularDots());
        first->startAnimation();
        first->setType(0);
        QVERIFY(first->circularDots());

        auto *second = new KTLoadingView(&screen);
        second->startAnimation();
        second->setType(1);
        QVERIFY(!second->circularDots());
        QCOMPARE(screen.loadingViews(), (QList<QObject *>{first, second}));

        first->endAnimation();
        QCOMPARE(screen.loadingViews(), QList<QObject *>{second});
        first->endAnimation();
        QCOMPARE(screen.loadingViews(), QList<QObject *>{second});
        // Shown again, it comes back with its parts as they were.
        first->startAnimation();
        QVERIFY(first->circularDots());
        QCOMPARE(screen.loadingViews(), (QList<QObject *>{second, first}));
    }

    void screenBase()
    {
        PlainScreen screen(m_navigator.get(), u"t"_s);
        QVERIFY(!screen.isShowWhiteBack());
        screen.showAndriodAlertWithMessage(u"已复制"_s, 2);
        screen.back();
        QCOMPARE(m_navigator->kinds(), (QStringList{u"message"_s, u"pop"_s}));
        QCOMPARE(m_navigator->calls.at(0).screen, &screen);
        QCOMPARE(m_navigator->calls.at(0).seconds, 2.0);
        QVERIFY(m_navigator->calls.at(1).animated);
    }

    void qmlNavigatorKeepsOneOverlayAndRunsAlertButtons()
    {
        QmlNavigator navigator(nullptr);
        QSignalSpy progress(&navigator, &QmlNavigator::progressChanged);
        navigator.hideProgress();
        QCOMPARE(progress.size(), 0);
        navigator.showProgress(u"正在创建订单"_s);
        navigator.showProgress(u"第二"_s);
        QVERIFY(navigator.progressVisible());
        QCOMPARE(navigator.progressText(), u"第二"_s);
        navigator.hideProgress();
        QVERIFY(!navigator.progressVisible());

        QSignalSpy alerts(&navigator, &QmlNavigator::alertRequested);
        QStringList pressed;
        navigator.alert(u"温馨提示"_s, u"m"_s,
                        {{u"a"_s,
                          [&] {
                              pressed << u"a"_s;
                          }},
                         {u"b"_s, [&] {
                              pressed << u"b"_s;
                          }}});
        QCOMPARE(alerts.size(), 1);
        QCOMPARE(alerts.at(0).at(3).toStringList(), (QStringList{u"a"_s, u"b"_s}));
        const int id = alerts.at(0).at(0).toInt();
        navigator.answerAlert(id, 1);
        navigator.answerAlert(id, 0);
        QCOMPARE(pressed, QStringList{u"b"_s});
    }

    void qmlNavigatorStackAndModals()
    {
        QmlNavigator navigator(nullptr);
        QSignalSpy pops(&navigator, &QmlNavigator::popRequested);
        QSignalSpy dismissals(&navigator, &QmlNavigator::dismissRequested);
        auto *root = new PlainScreen(&navigator, u"root"_s);
        navigator.push(root, false);
        navigator.pop(true);
        QCOMPARE(pops.size(), 0);

        QPointer<PlainScreen> top = new PlainScreen(&navigator, u"t"_s);
        navigator.push(top, true);
        navigator.pop(true);
        QCOMPARE(pops.size(), 1);
        // Deleted only when its page has gone.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(top);
        navigator.release(top);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!top);

        auto *lower = new PlainScreen(&navigator, u"m1"_s);
        auto *upper = new PlainScreen(&navigator, u"m2"_s);
        navigator.present(lower, false);
        navigator.present(upper, true);
        navigator.dismiss(lower, true);
        QCOMPARE(dismissals.size(), 1);
        QCOMPARE(dismissals.at(0).at(0).value<QList<QObject *>>(),
                 (QList<QObject *>{upper, lower}));
        QVERIFY(navigator.modals().isEmpty());
        QCOMPARE(navigator.stack(), QList<ViewController *>{root});
    }

private:
    HomeViewController *makeHome()
    {
        auto *home = new HomeViewController(
            m_navigator.get(),
            {{&m_reachability, &m_service, &m_settings, &m_secureStore, &m_session},
             imageCache(),
             QUrl(u"http://site.test"_s),
             &m_notifications,
             &m_wallet,
             &m_clock,
             &m_pageFetcher,
             &m_paymentResults,
             u"http://tiles.test/{z}/{x}/{y}.png"_s});
        home->setParent(&m_navigator->owner);
        return home;
    }
    ImageCache *imageCache()
    {
        if (!m_imageCache)
            m_imageCache = std::make_unique<ImageCache>(&m_network, m_home.path());
        return m_imageCache.get();
    }

    QTemporaryDir m_home;
    QNetworkAccessManager m_network;
    std::unique_ptr<ImageCache> m_imageCache;
    FakeTransport m_transport;
    ServiceClient m_service{&m_transport, QUrl(u"http://service.test/ws"_s)};
    FakeSettingsStore m_settings;
    FakeSecureStore m_secureStore;
    FakeReachability m_reachability;
    SignInSession m_session;
    NotificationCenter m_notifications;
    FakeWalletSdk m_wallet;
    FakeClock m_clock;
    FakePageFetcher m_pageFetcher;
    PaymentResults m_paymentResults;
    std::unique_ptr<FakeNavigator> m_navigator;
};

QTEST_GUILESS_MAIN(TestScreens)
#include "tst_screens.moc"
