// The payment views rendered offscreen in the real main window and used by taps: search, the
// result rows, the agreement prompt and the detail list.
#include "FakeClock.h"
#include "FakeReachability.h"
#include "FakeSettingsStore.h"
#include "FakeTransport.h"
#include "FakeWalletSdk.h"
#include "account/SignInSession.h"
#include "billing/LPPayViewController.h"
#include "billing/PaymentResults.h"
#include "platform/NotificationCenter.h"
#include "service/Envelope.h"
#include "service/ServiceClient.h"
#include "shell/QmlNavigator.h"
#include "shell/ScreenTypes.h"

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
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
    return (u"<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
            "<ns0:queryExpenseResponse xmlns:ns0=\"http://service.trvo.tarvo.cn/\"><return>"_s +
            Envelope::escapeText(document) +
            u"</return></ns0:queryExpenseResponse></soap:Body></soap:Envelope>"_s)
        .toUtf8();
}

} // namespace

class TestPayViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        registerScreenTypes(&m_navigator);
        m_engine.load(QUrl::fromLocalFile(QStringLiteral(TARVO_MAIN_QML)));
        QCOMPARE(m_engine.rootObjects().size(), 1);
        m_window = qobject_cast<QQuickWindow *>(m_engine.rootObjects().constFirst());
        QVERIFY(QTest::qWaitForWindowExposed(m_window));

        ScreenServices services;
        services.account = {&m_reachability, &m_service, &m_settings, nullptr, &m_session};
        services.notifications = &m_notifications;
        services.wallet = &m_wallet;
        services.clock = &m_clock;
        services.paymentResults = &m_results;
        m_settings.values.insert(u"userNumber"_s, u"1000001"_s);
        m_navigator.push(new LPPayViewController(&m_navigator, services), false);
    }

    void emptyScreenShowsTheFieldAndTheTip()
    {
        QTRY_VERIFY(visibleText(u"暂无数据!"_s));
        QTRY_VERIFY(visibleText(u"1000001"_s));
        QVERIFY(!visibleText(u"缴   费"_s));
        QVERIFY(!visibleText(u"查看明细"_s));
    }

    void searchShowsTheRows()
    {
        click(find("seacrBtn"));
        QCOMPARE(m_transport.requests().size(), 1);
        QTRY_VERIFY(!find("loadingDot").isNull());
        m_transport.respond(0, arrearsResult());
        QTRY_VERIFY(visibleText(u"应缴金额:"_s));
        QVERIFY(visibleText(u"12.30元"_s));
        QVERIFY(visibleText(u"不使用红包"_s));
        QVERIFY(!visibleText(u"暂无数据!"_s));
        QTRY_VERIFY(find("loadingDot").isNull());
    }

    void agreementOpensAndDeclines()
    {
        click(visibleText(u"缴   费"_s));
        QTRY_VERIFY(visibleText(u"同意并缴费"_s));
        click(visibleText(u"不同意"_s));
        QTRY_VERIFY(!visibleText(u"同意并缴费"_s));
        QCOMPARE(m_transport.requests().size(), 1);
    }

    void detailListsTheBills()
    {
        click(visibleText(u"查看明细"_s));
        QTRY_VERIFY(visibleText(u"欠费明细"_s));
        QTRY_VERIFY(visibleText(u"202611"_s));
        QVERIFY(visibleText(u"水费"_s));
        QVERIFY(visibleText(u"缴费"_s));
    }

private:
    void click(QQuickItem *item)
    {
        QVERIFY(item);
        const QPoint centre =
            item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
        QTest::mouseClick(m_window, Qt::LeftButton, {}, centre);
    }
    static bool shown(QQuickItem *item)
    {
        for (QQuickItem *it = item; it; it = it->parentItem()) {
            if (!it->isVisible() || it->opacity() == 0)
                return false;
        }
        return true;
    }
    QPointer<QQuickItem> find(const char *objectName, QQuickItem *root = nullptr) const
    {
        root = root ? root : m_window->contentItem();
        for (QQuickItem *child : root->childItems()) {
            if (child->objectName() == QLatin1StringView(objectName) && shown(child))
                return child;
            if (QQuickItem *found = find(objectName, child))
                return found;
        }
        return nullptr;
    }
    QQuickItem *visibleText(const QString &text, QQuickItem *root = nullptr) const
    {
        root = root ? root : m_window->contentItem();
        for (QQuickItem *child : root->childItems()) {
            if (child->property("text").toString() == text && shown(child) &&
                QRectF(QPointF(), m_window->size()).contains(child->mapToScene(QPointF())))
                return child;
            if (QQuickItem *found = visibleText(text, child))
                return found;
        }
        return nullptr;
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
    QmlNavigator m_navigator;
    QQmlApplicationEngine m_engine;
    QQuickWindow *m_window = nullptr;
};

QTEST_MAIN(TestPayViews)
#include "tst_payviews.moc"
