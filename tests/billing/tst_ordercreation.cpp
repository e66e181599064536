#include "BadReplies.h"
#include "FakeClock.h"
#include "FakeTransport.h"
#include "FakeWalletSdk.h"
#include "billing/OrderCreation.h"
#include "billing/PayRequest.h"
#include "service/Envelope.h"
#include "service/ServiceClient.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray orderReply(const QString &returnText)
{
    return BadReplies::documentReply(u"createOrder"_s, returnText);
}

} // namespace

class TestOrderCreation : public QObject
{
    Q_OBJECT

private slots:
    void reply_data()
    {
        QTest::addColumn<QByteArray>("reply"); // empty: the transport fails
        QTest::addColumn<bool>("handedOff");
        QTest::addColumn<QString>("message");

        QTest::newRow("prepay id")
            << orderReply(u"<info><prepay_id>wx2026120712345</prepay_id></info>"_s) << true
            << QString();
        // The service's own reason, so the customer does not retry what cannot work.
        for (const QString &reason :
             {u"账单已缴清"_s, u"账单不属于该户号"_s, u"红包已过期"_s, u"应缴金额与账单不符"_s})
            QTest::addRow("refused: %s", qPrintable(reason))
                << orderReply(
                       u"<info><resultCode>0</resultCode><resultMsg>%1</resultMsg></info>"_s.arg(
                           reason))
                << false << u"订单创建失败：%1"_s.arg(reason);
        QTest::newRow("refused without a reason")
            << orderReply(u"<info><resultCode>0</resultCode><resultMsg> </resultMsg></info>"_s)
            << false << u"订单创建失败，请稍后再试"_s;
        QTest::newRow("empty prepay id") << orderReply(u"<info><prepay_id></prepay_id></info>"_s)
                                         << false << u"订单创建失败，请稍后再试"_s;
        QTest::newRow("no info") << orderReply(u"<order/>"_s) << false
                                 << u"订单创建失败，请稍后再试"_s;
        QTest::newRow("not a SOAP reply")
            << QByteArray("<html>502</html>") << false << u"订单创建失败，请稍后再试"_s;
        QTest::newRow("no reply") << QByteArray() << false << u"网络异常!"_s;
    }

    void reply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, handedOff);
        QFETCH(QString, message);

        FakeTransport transport;
        ServiceClient client(&transport, QUrl(u"http://127.0.0.1:7001/trvo/ws/appService"_s));
        FakeWalletSdk wallet;
        FakeClock clock;
        OrderCreation creation(&client, &wallet, &clock);
        PayModel model;
        model.totalOweAmt = u"85.5"_s;
        const OrderRequest order = OrderRequest::make(u"1000001"_s, u"U"_s, model);

        int completions = 0;
        OrderCreation::Outcome outcome;
        creation.start(order, [&](const OrderCreation::Outcome &o) {
            ++completions;
            outcome = o;
        });
        QCOMPARE(transport.lastRequest().body,
                 Envelope::body(ServiceOperation::createOrder, order.fields()));
        if (reply.isEmpty())
            transport.fail(0);
        else
            transport.respond(0, reply);

        QCOMPARE(completions, 1);
        QCOMPARE(outcome.handedOff, handedOff);
        QCOMPARE(outcome.message, message);
        // The wallet sees a request only when there is an order to pay.
        QCOMPARE(wallet.requests.size(), handedOff ? 1 : 0);
        if (handedOff) {
            const PayReq expected = PayRequest::build(u"wx2026120712345"_s, clock.now);
            QCOMPARE(wallet.requests.first().prepayId, expected.prepayId);
            QCOMPARE(wallet.requests.first().sign, expected.sign);
            QCOMPARE(wallet.requests.first().timeStamp, expected.timeStamp);
        }
    }
};

QTEST_GUILESS_MAIN(TestOrderCreation)
#include "tst_ordercreation.moc"
