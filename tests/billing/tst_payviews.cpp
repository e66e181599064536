// The payment views rendered offscreen in the real main window and used by taps: search, the
// result rows, the agreement prompt and the detail list.
#include "FakeClock.h"
#include "FakeReachability.h"
#include "FakeSettingsStore.h"
#include "FakeTransport.h"
#include "FakeWalletSdk.h"
#include "MainWindowFixture.h"
#include "PlainScreen.h"
#include "account/SignInSession.h"
#include "billing/LPPayViewController.h"
#include "billing/PaymentResults.h"
#include "platform/NotificationCenter.h"
#include "service/ServiceClient.h"

#include <QFile>
#include <QQuickItem>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// One water bill of 12.30 for 李四, as the service writes it.
QByteArray arrearsReply()
{
    QFile file(QStringLiteral(TARVO_TEST_DATA "/billing/arrears-one-bill.xml"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPayViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_main.load());
        QVERIFY(!arrearsReply().isEmpty());
        m_settings.values.insert(u"userNumber"_s, u"1000001"_s);
        // Home's stand-in: each test's payment screen is pushed onto it and popped again.
        m_main.navigator.push(new PlainScreen(&m_main.navigator, u"首页"_s), false);
    }

    // Each test starts on a payment screen of its own, as opened from home.
    void init()
    {
        ScreenServices services;
        services.account = {&m_reachability, &m_service, &m_settings, nullptr, &m_session};
        services.notifications = &m_notifications;
        services.wallet = &m_wallet;
        services.clock = &m_clock;
        services.paymentResults = &m_results;
        m_main.navigator.push(new LPPayViewController(&m_main.navigator, services), false);
        m_depth = m_main.navigator.stack().size();
        m_firstRequest = m_transport.requests().size();
    }

    void cleanup()
    {
        m_main.navigator.closeAlerts();
        for (qsizetype depth = m_main.navigator.stack().size(); depth >= m_depth; --depth)
            m_main.navigator.pop(false);
        QTRY_COMPARE(m_main.navigator.stack().size(), m_depth - 1);
    }

    void emptyScreenShowsTheFieldAndTheTip()
    {
        const ViewProbe probe = m_main.probe();
        QTRY_VERIFY(probe.visibleText(u"暂无数据!"_s));
        QTRY_VERIFY(probe.visibleText(u"1000001"_s));
        QVERIFY(!probe.visibleText(u"缴   费"_s));
        QVERIFY(!probe.visibleText(u"查看明细"_s));
    }

    void searchShowsTheRows()
    {
        ViewProbe probe = m_main.probe();
        QVERIFY(probe.tap(probe.visibleNamed(u"seacrBtn"_s).value(0)));
        QCOMPARE(m_transport.requests().size(), m_firstRequest + 1);
        QTRY_VERIFY(!probe.visibleNamed(u"loadingDot"_s).isEmpty());
        m_transport.respond(m_firstRequest, arrearsReply());
        QTRY_VERIFY(probe.visibleText(u"应缴金额:"_s));
        QVERIFY(probe.visibleText(u"12.30元"_s));
        QVERIFY(probe.visibleText(u"不使用红包"_s));
        QVERIFY(!probe.visibleText(u"暂无数据!"_s));
        QTRY_VERIFY(probe.visibleNamed(u"loadingDot"_s).isEmpty());
    }

    void agreementOpensAndDeclines()
    {
        ViewProbe probe = m_main.probe();
        QVERIFY(search(probe));
        QVERIFY(probe.tapText(u"缴   费"_s));
        QTRY_VERIFY(probe.visibleText(u"同意并缴费"_s));
        QVERIFY(probe.tapText(u"不同意"_s));
        QTRY_VERIFY(!probe.visibleText(u"同意并缴费"_s));
        // Declined: no order.
        QCOMPARE(m_transport.requests().size(), m_firstRequest + 1);
    }

    void detailListsTheBills()
    {
        ViewProbe probe = m_main.probe();
        QVERIFY(search(probe));
        QVERIFY(probe.tapText(u"查看明细"_s));
        QTRY_VERIFY(probe.visibleText(u"欠费明细"_s));
        QTRY_VERIFY(probe.visibleText(u"202611"_s));
        QVERIFY(probe.visibleText(u"水费"_s));
        QVERIFY(probe.visibleText(u"缴费"_s));
    }

private:
    // Searches the account in the field and waits for its rows.
    bool search(ViewProbe &probe)
    {
        if (!probe.tap(probe.visibleNamed(u"seacrBtn"_s).value(0)))
            return false;
        if (m_transport.requests().size() != m_firstRequest + 1)
            return false;
        m_transport.respond(m_firstRequest, arrearsReply());
        return QTest::qWaitFor([&probe] { return probe.visibleText(u"应缴金额:"_s); });
    }

    FakeTransport m_transport;
    ServiceClient m_service{&m_transport, QUrl(u"http://service.test/ws"_s)};
    FakeSettingsStore m_settings;
    FakeReachability m_reachability;
    SignInSession m_session;
    NotificationCenter m_notifications;
    FakeWalletSdk m_wallet;
    FakeClock m_clock;
    PaymentResults m_results;
    MainWindowFixture m_main;
    qsizetype m_depth = 0;
    qsizetype m_firstRequest = 0;
};

QTEST_MAIN(TestPayViews)
#include "tst_payviews.moc"
