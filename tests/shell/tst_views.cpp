// The QML views rendered offscreen in the real main window, driven through their controllers.
#include "FakeReachability.h"
#include "FakeSecureStore.h"
#include "FakeSettingsStore.h"
#include "FakeTransport.h"
#include "MainWindowFixture.h"
#include "account/SignViewController.h"
#include "common/SignInSession.h"
#include "home/HomeViewController.h"
#include "home/ImageCache.h"
#include "home/ImageCacheProvider.h"
#include "service/ServiceClient.h"
#include "shell/KTLoadingView.h"

#include <QNetworkAccessManager>
#include <QPointer>
#include <QQuickItem>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_main.engine.addImageProvider(ImageCacheProvider::name, new ImageCacheProvider(&m_images));
        QVERIFY(m_main.load());
        m_probe = m_main.probe();
        m_home = new HomeViewController(
            &m_main.navigator,
            {{&m_reachability, &m_service, &m_settings, &m_secureStore, &m_session},
             &m_images,
             QUrl(u"http://127.0.0.1:9"_s)});
        m_main.navigator.push(m_home, false);
    }

    void signInCoversHomeAtLoad()
    {
        QCOMPARE(m_main.navigator.modals().size(), 1);
        QTRY_VERIFY(m_probe.visibleText(u"记住密码"_s));
        QVERIFY(m_probe.visibleText(u"注册新用户"_s));
        QVERIFY(m_probe.visibleText(u"请输入手机号码"_s));
    }

    void alertShowsAndCloses()
    {
        auto *signIn = qobject_cast<SignViewController *>(m_main.navigator.modals().value(0));
        QVERIFY(signIn);
        signIn->loginBtn();
        QTRY_VERIFY(m_probe.visibleText(u"密码或账号输入格式错误!"_s));
        QVERIFY(m_probe.visibleText(u"温馨提示"_s));
        QVERIFY(m_probe.tapText(u"确定"_s));
        QTRY_VERIFY(!m_probe.visibleText(u"密码或账号输入格式错误!"_s));
    }

    void registrationOverSignIn()
    {
        auto *signIn = qobject_cast<SignViewController *>(m_main.navigator.modals().value(0));
        signIn->riginBtn();
        QTRY_VERIFY(m_probe.visibleText(u"用户注册"_s));
        QTRY_VERIFY(m_probe.visibleText(u"已有账号？返回登录"_s));
    }

    void homeAfterSignIn()
    {
        showHome();
        for (const QString &caption :
             {u"水电气缴费"_s, u"缴费记录"_s, u"我的红包"_s, u"公告通知"_s, u"服务指南"_s,
              u"水电气宣传"_s, u"营业网点"_s, u"常见问题"_s, u"关于我们"_s, u"Tarvo在线缴费"_s})
            QVERIFY2(m_probe.visibleText(caption), qPrintable(caption));
    }

    // While the indicator is up a tap on the menu reaches the cover, not the button.
    void loadingIndicatorTakesTouches()
    {
        showHome();
        QQuickItem *pay = m_probe.visibleText(u"水电气缴费"_s);
        QVERIFY(pay);
        const QPointF at = ViewProbe::centre(pay);
        auto *loading = new KTLoadingView(m_home);
        loading->startAnimation();
        loading->setType(0);
        QTRY_COMPARE(m_probe.visibleNamed(u"loadingDot"_s).size(), 15);
        QTest::mouseClick(m_main.window, Qt::LeftButton, {}, at.toPoint());
        QCOMPARE(m_main.navigator.stack().size(), 1);
        loading->endAnimation();
        QTRY_COMPARE(m_probe.visibleNamed(u"loadingDot"_s).size(), 0);

        QTest::mouseClick(m_main.window, Qt::LeftButton, {}, at.toPoint());
        QCOMPARE(m_main.navigator.stack().size(), 2);
        QTRY_VERIFY(!m_probe.visibleNamed(u"whiteBack"_s).isEmpty());
    }

    // A second tap while the next screen slides in opens nothing more. Once in, it hides the
    // screen beneath; back slides it out, shows that screen again and removes the one left.
    void screensSlideInAndOut()
    {
        showHome();
        while (m_main.navigator.stack().size() > 1)
            m_main.navigator.pop(false);
        QTRY_VERIFY(m_probe.visibleText(u"水电气缴费"_s));
        QQuickItem *homePage = pageOf(m_probe.visibleText(u"水电气缴费"_s));
        QVERIFY(homePage);
        QSignalSpy homeCovered(homePage, SIGNAL(deactivating()));
        const QPointF pay = ViewProbe::centre(m_probe.visibleText(u"水电气缴费"_s));
        m_probe.tapAt(pay);
        m_probe.tapAt(pay);
        QCOMPARE(m_main.navigator.stack().size(), 2);
        QCOMPARE(homeCovered.size(), 1);
        QTRY_VERIFY(!m_probe.visibleText(u"水电气缴费"_s));

        QPointer<QQuickItem> payPage = pageOf(m_probe.visibleText(u"请输入你要查询的户号"_s));
        QVERIFY(payPage);
        QSignalSpy payLeaving(payPage.get(), SIGNAL(deactivating()));
        m_main.navigator.pop(true);
        QCOMPARE(payLeaving.size(), 1);
        QTRY_VERIFY(payPage.isNull());
        QVERIFY(m_probe.visibleText(u"水电气缴费"_s));
        QCOMPARE(homeCovered.size(), 1);

        // Back at once while the next screen still slides in: it is gone at once.
        m_probe.tapAt(pay);
        QCOMPARE(m_main.navigator.stack().size(), 2);
        m_main.navigator.pop(false);
        QVERIFY(!m_probe.visibleText(u"请输入你要查询的户号"_s));
        QCOMPARE(pageOf(m_probe.visibleText(u"水电气缴费"_s)), homePage);
        QCOMPARE(homePage->x(), 0.0);
    }

    void progressOverlay()
    {
        m_main.navigator.showProgress(u"正在创建订单"_s);
        QTRY_VERIFY(m_probe.visibleText(u"正在创建订单"_s));
        m_main.navigator.hideProgress();
        QTRY_VERIFY(!m_probe.visibleText(u"正在创建订单"_s));
    }

private:
    // The screen page an item lies on.
    static QQuickItem *pageOf(QQuickItem *item)
    {
        while (item && !item->property("controller").isValid())
            item = item->parentItem();
        return item;
    }

    // Closes whatever covers home (sign-in, registration), as a sign-in would.
    void showHome()
    {
        while (!m_main.navigator.modals().isEmpty())
            m_main.navigator.dismiss(m_main.navigator.modals().constLast(), false);
        QTRY_VERIFY(!m_probe.visibleText(u"记住密码"_s));
    }

    QTemporaryDir m_profile;
    QNetworkAccessManager m_network;
    ImageCache m_images{&m_network, m_profile.path()};
    FakeTransport m_transport;
    ServiceClient m_service{&m_transport, QUrl(u"http://service.test/ws"_s)};
    FakeSettingsStore m_settings;
    FakeSecureStore m_secureStore;
    FakeReachability m_reachability;
    SignInSession m_session;
    MainWindowFixture m_main;
    ViewProbe m_probe{nullptr};
    HomeViewController *m_home = nullptr;
};

QTEST_MAIN(TestViews)
#include "tst_views.moc"
