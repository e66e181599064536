// The payment views rendered offscreen in the real main window and used by taps: search, the
// result rows, the agreement prompt and the detail list.
#include "BadReplies.h"
#include "FakeClock.h"
#include "FakeReachability.h"
#include "FakeSettingsStore.h"
#include "FakeTransport.h"
#include "FakeWalletSdk.h"
#include "MainWindowFixture.h"
#include "account/SignInSession.h"
#include "billing/LPPayViewController.h"
#include "billing/PaymentResults.h"
#include "platform/NotificationCenter.h"
#include "service/ServiceClient.h"

#include <QQuickItem>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray arrearsResult()
{
    const QString bill =
        u"<queryList><oweAmt>12.30</oweAmt><rcvType>W</rcvType><rcvblAmt>12.30</rcvblAmt>"
        "<rcvblAmtId>A1</rcvblAmtId><rcvblPenAlty>0</rcvblPenAlty><rcvblYm>202611</rcvblYm>"
        "<rcvedAmt>0</rcvedAmt><tpq>1</tpq><mrId>M1</mrId><dueDate>20261130</dueDate>"
        "<cycle>1</cycle><remark>x</remark></queryList>"_s;
    const QString document =
        u"<queryOweAmtYxResponse><returnMsg>查询成功!</returnMsg><consName>李四</consName>"
        "<addr>和平路</addr><totalOweAmt>12.30</totalOweAmt><totalPenAlty>0</totalPenAlty>"
        "<queryList>"_s +
        bill + u"</queryList></queryOweAmtYxResponse>"_s;
    return BadReplies::documentReply(u"queryExpense"_s, document);
}

} // namespace

class TestPayViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_main.load());
        ScreenServices services;
        services.account = {&m_reachability, &m_service, &m_settings, nullptr, &m_session};
        services.notifications = &m_notifications;
        services.wallet = &m_wallet;
        services.clock = &m_clock;
        services.paymentResults = &m_results;
        m_settings.values.insert(u"userNumber"_s, u"1000001"_s);
        m_main.navigator.push(new LPPayViewController(&m_main.navigator, services), false);
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
        QCOMPARE(m_transport.requests().size(), 1);
        QTRY_VERIFY(!probe.visibleNamed(u"loadingDot"_s).isEmpty());
        m_transport.respond(0, arrearsResult());
        QTRY_VERIFY(probe.visibleText(u"应缴金额:"_s));
        QVERIFY(probe.visibleText(u"12.30元"_s));
        QVERIFY(probe.visibleText(u"不使用红包"_s));
        QVERIFY(!probe.visibleText(u"暂无数据!"_s));
        QTRY_VERIFY(probe.visibleNamed(u"loadingDot"_s).isEmpty());
    }

    void agreementOpensAndDeclines()
    {
        ViewProbe probe = m_main.probe();
        QVERIFY(probe.tapText(u"缴   费"_s));
        QTRY_VERIFY(probe.visibleText(u"同意并缴费"_s));
        QVERIFY(probe.tapText(u"不同意"_s));
        QTRY_VERIFY(!probe.visibleText(u"同意并缴费"_s));
        QCOMPARE(m_transport.requests().size(), 1);
    }

    void detailListsTheBills()
    {
        ViewProbe probe = m_main.probe();
        QVERIFY(probe.tapText(u"查看明细"_s));
        QTRY_VERIFY(probe.visibleText(u"欠费明细"_s));
        QTRY_VERIFY(probe.visibleText(u"202611"_s));
        QVERIFY(probe.visibleText(u"水费"_s));
        QVERIFY(probe.visibleText(u"缴费"_s));
    }

private:
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
};

QTEST_MAIN(TestPayViews)
#include "tst_payviews.moc"
