// The wallet app the sandbox plays: a correctly signed request settles its order in one
// transaction; anything else is refused with a non-zero ret and changes nothing.
#include "FakeWalletSdk.h"
#include "SandboxHarness.h"
#include "SeedOrders.h"
#include "Store.h"
#include "billing/ArrearsReply.h"
#include "billing/Money.h"
#include "billing/OrderRequest.h"
#include "billing/PayRequest.h"
#include "common/DataMD5.h"
#include "common/WeChatConfig.h"
#include "platform/SandboxWallet.h"
#include "service/DocumentDictionary.h"

#include <QDate>
#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QTest>
#include <limits>

using namespace Qt::StringLiterals;
using Fields = QHash<QString, QString>;

namespace {

using namespace SeedOrders;

// What the database holds about payments; a refusal must leave all of it as it was.
struct Ledger
{
    int unpaidBills = 0, usedPackets = 0, payments = 0, paidOrders = 0;
    friend bool operator==(const Ledger &, const Ledger &) = default;
};

Ledger ledger(SandboxHarness &sandbox)
{
    return {sandbox.count(u"SELECT count(*) FROM bills WHERE paid = 0"_s),
            sandbox.count(u"SELECT count(*) FROM red_packets WHERE used = 1"_s),
            sandbox.count(u"SELECT count(*) FROM payments"_s),
            sandbox.count(u"SELECT count(*) FROM orders WHERE state = 'paid'"_s)};
}

} // namespace

class SandboxSettlementTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SandboxHarness> sandbox;
    QNetworkAccessManager network;

    QString createOrder(const QString &bills, qint64 ypay, qint64 spay, const QString &hbid = {},
                        const QString &hbje = {})
    {
        return replyText(
            sandbox->call(ServiceOperation::createOrder,
                          order(bills, QString::number(ypay), QString::number(spay), hbid, hbje)),
            {u"info", u"prepay_id"}, {});
    }

    static QJsonObject signedRequest(const QString &prepayId)
    {
        return SandboxWallet::requestJson(
            WeChatConfig::appId,
            PayRequest::build(prepayId, double(QDateTime::currentSecsSinceEpoch())));
    }

    // The wallet's answer as the app reads it: the URL handed to the wallet SDK.
    std::optional<PayResp> pay(const QJsonObject &request, int *status = nullptr)
    {
        const SandboxHarness::Exchange exchange = sandbox->post(
            sandbox->walletUrl(), "application/json", QJsonDocument(request).toJson());
        if (status)
            *status = exchange.status;
        SandboxWallet wallet(&network, QUrl());
        wallet.registerApp(WeChatConfig::appId, u"Morvel"_s);
        RecordingWalletDelegate delegate;
        const QUrl url(QJsonDocument::fromJson(exchange.body).object().value(u"url"_s).toString());
        if (!wallet.handleOpenURL(url, &delegate) || delegate.responses.size() != 1)
            return std::nullopt;
        return delegate.responses.first();
    }

    // The errCode the app gets for a correctly signed request for the order.
    int payAsTheApp(const QString &prepayId)
    {
        const std::optional<PayResp> resp = pay(signedRequest(prepayId));
        return resp ? resp->errCode : std::numeric_limits<int>::min();
    }

    // The bills the app is shown for the account: 0 when told it owes nothing, -1 for any
    // other outcome.
    int billsOwed(const QString &account)
    {
        const ArrearsReply::Outcome outcome = ArrearsReply::read(
            sandbox->call(ServiceOperation::queryExpense, {{u"queryValue"_s, account}}).returnText);
        if (outcome.notification == ArrearsReply::noArrears)
            return 0;
        return outcome.notification.isEmpty() ? int(outcome.model.queryList.size()) : -1;
    }

    // The jfje texts of today's payment records of the device.
    QStringList paidToday()
    {
        const QString today = QDate::currentDate().toString(u"yyyy-MM-dd"_s);
        const ServiceReply reply =
            sandbox->call(ServiceOperation::queryPayList,
                          {{u"ksrq"_s, today}, {u"jsrq"_s, today}, {u"uuid"_s, device}});
        QStringList amounts;
        for (const QVariantMap &record : DocumentDictionary::elements(DocumentDictionary::valueAt(
                 reply.replyDocument.value_or(QVariantMap()), {u"info", u"queryList"})))
            amounts.append(DocumentDictionary::textAt(record, {u"jfje"}).value_or(QString()));
        return amounts;
    }

private slots:
    void init()
    {
        sandbox = std::make_unique<SandboxHarness>();
        QVERIFY(sandbox->isListening());
        QVERIFY(sandbox->store().run(
            u"INSERT INTO red_packets (hbid, name, amount_fen, valid_until, owner) "
            "VALUES ('HB900003', '整单红包', 6210, ?, '13912345678')"_s,
            {QDate::currentDate().addYears(1).toString(Qt::ISODate)}));
    }
    void cleanup() { sandbox.reset(); }

    void settles_data()
    {
        QTest::addColumn<QString>("bills");
        QTest::addColumn<qint64>("ypay");
        QTest::addColumn<QString>("hbid");
        QTest::addColumn<QString>("hbje");
        QTest::addColumn<qint64>("spay");
        QTest::addColumn<int>("billsLeft");

        QTest::newRow("every bill, with a red packet")
            << allOf1000001 << qint64(86480) << u"HB000001"_s << u"5.00"_s << qint64(85980) << 0;
        QTest::newRow("two bills, no red packet")
            << water01 + water02 << qint64(11385) << QString() << QString() << qint64(11385) << 7;
        QTest::newRow("red packet pays the whole order")
            << water01 << qint64(6210) << u"HB900003"_s << u"62.10"_s << qint64(0) << 8;
    }

    void settles()
    {
        QFETCH(QString, bills);
        QFETCH(qint64, ypay);
        QFETCH(QString, hbid);
        QFETCH(QString, hbje);
        QFETCH(qint64, spay);
        QFETCH(int, billsLeft);

        const QString prepayId = createOrder(bills, ypay, spay, hbid, hbje);
        QVERIFY(!prepayId.isEmpty());
        int status = 0;
        const std::optional<PayResp> resp = pay(signedRequest(prepayId), &status);
        QCOMPARE(status, 200);
        QVERIFY(resp);
        QCOMPARE(resp->errCode, 0);
        QCOMPARE(resp->returnKey, prepayId);

        QCOMPARE(sandbox->count(
                     u"SELECT count(*) FROM order_bills o JOIN bills b USING "
                     "(rcvbl_amt_id) WHERE o.prepay_id = '%1' AND b.paid = 0"_s.arg(prepayId)),
                 0);
        QCOMPARE(sandbox->count(
                     u"SELECT count(*) FROM red_packets WHERE used = 1 AND used_by = '%1'"_s.arg(
                         prepayId)),
                 hbid.isEmpty() ? 0 : 1);
        std::optional<QSqlQuery> payment = sandbox->store().run(
            u"SELECT device_uuid, userbh, paid_on, amount_fen FROM payments WHERE prepay_id = ?"_s,
            {prepayId});
        QVERIFY(payment && payment->next());
        QCOMPARE(payment->value(0).toString(), device);
        QCOMPARE(payment->value(1).toString(), u"1000001"_s);
        QCOMPARE(payment->value(2).toString(), QDate::currentDate().toString(u"yyyy-MM-dd"_s));
        QCOMPARE(payment->value(3).toLongLong(), spay);
        QVERIFY(!payment->next());

        QCOMPARE(billsOwed(u"1000001"_s), billsLeft);
        QCOMPARE(paidToday(), QStringList{Money::yuanText(spay)});
    }

    void refuses_data()
    {
        QTest::addColumn<QString>("before"); // what happens first: "", "paid", "bills", "packet"
        QTest::addColumn<QString>("field");  // the request field changed, if any
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<bool>("resign"); // signed again after the change
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("errStr");

        const QString badSignature = u"签名错误"_s;
        const QString foreignMerchant = u"商户信息不符"_s;
        QTest::newRow("signature replaced")
            << QString() << u"sign"_s << QJsonValue(u"D41D8CD98F00B204E9800998ECF8427E"_s) << false
            << 200 << badSignature;
        QTest::newRow("nonce changed after signing")
            << QString() << u"nonceStr"_s << QJsonValue(u"0123456789ABCDEF0123456789ABCDEF"_s)
            << false << 200 << badSignature;
        QTest::newRow("timestamp changed after signing")
            << QString() << u"timeStamp"_s << QJsonValue(1480000000) << false << 200
            << badSignature;
        QTest::newRow("another app id, signed with it")
            << QString() << u"appid"_s << QJsonValue(u"wx0000000000000000"_s) << true << 200
            << foreignMerchant;
        QTest::newRow("another merchant, signed with it")
            << QString() << u"partnerId"_s << QJsonValue(u"1200000000"_s) << true << 200
            << foreignMerchant;
        QTest::newRow("unknown prepay id, signed")
            << QString() << u"prepayId"_s << QJsonValue(u"wx20250101000000abcdef"_s) << true << 200
            << u"订单不存在"_s;
        QTest::newRow("timestamp as text")
            << QString() << u"timeStamp"_s << QJsonValue(u"1480000000"_s) << false << 400
            << u"支付请求无法识别"_s;
        QTest::newRow("second settlement")
            << u"paid"_s << QString() << QJsonValue() << false << 200 << u"订单已支付"_s;
        QTest::newRow("bills paid by another order first")
            << u"bills"_s << QString() << QJsonValue() << false << 200 << u"账单已缴清"_s;
        QTest::newRow("red packet used by another order first")
            << u"packet"_s << QString() << QJsonValue() << false << 200 << u"红包已使用或已过期"_s;
    }

    void refuses()
    {
        QFETCH(QString, before);
        QFETCH(QString, field);
        QFETCH(QJsonValue, value);
        QFETCH(bool, resign);
        QFETCH(int, status);
        QFETCH(QString, errStr);

        // The order under test: the first water bill with the 5.00 packet.
        const QString prepayId = createOrder(water01, 6210, 5710, u"HB000001"_s, u"5.00"_s);
        QVERIFY(!prepayId.isEmpty());
        if (before == u"paid") {
            QCOMPARE(payAsTheApp(prepayId), 0);
        } else if (!before.isEmpty()) {
            const QString other = before == u"bills"
                                      ? createOrder(water01, 6210, 6210)
                                      : createOrder(water02, 5175, 4675, u"HB000001"_s, u"5.00"_s);
            QCOMPARE(payAsTheApp(other), 0);
        }
        const Ledger unchanged = ledger(*sandbox);

        QJsonObject request = signedRequest(prepayId);
        if (!field.isEmpty())
            request.insert(field, value);
        if (resign)
            request.insert(u"sign"_s, DataMD5().createMD5SingForPay(
                                          request.value(u"appid"_s).toString(),
                                          request.value(u"partnerId"_s).toString(),
                                          request.value(u"prepayId"_s).toString(),
                                          request.value(u"package"_s).toString(),
                                          request.value(u"nonceStr"_s).toString(),
                                          quint32(request.value(u"timeStamp"_s).toInteger())));
        int answeredStatus = 0;
        const std::optional<PayResp> resp = pay(request, &answeredStatus);
        QCOMPARE(answeredStatus, status);
        QVERIFY(resp);
        QCOMPARE(resp->errCode, -1);
        QCOMPARE(resp->errStr, errStr);
        QVERIFY(ledger(*sandbox) == unchanged);
    }

    // The app's own steps, from the arrears query to the wallet's answer: every seeded
    // account that owes can be paid in full, which holds only while each total owed is the
    // sum of the bills it lists.
    void appPaysInFull_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("hbid");

        QTest::newRow("1000001 with the 5.00 packet") << u"1000001"_s << u"HB000001"_s;
        QTest::newRow("1000003") << u"1000003"_s << QString();
        QTest::newRow("1000004") << u"1000004"_s << QString();
    }

    void appPaysInFull()
    {
        QFETCH(QString, account);
        QFETCH(QString, hbid);

        const ArrearsReply::Outcome arrears = ArrearsReply::read(
            sandbox->call(ServiceOperation::queryExpense, {{u"queryValue"_s, account}}).returnText);
        QCOMPARE(arrears.model.returnMsg, u"查询成功!"_s);
        std::optional<RedPacketChoice> packet;
        if (!hbid.isEmpty())
            packet = RedPacketChoice{hbid, u"5.00"_s, u"缴费立减红包"_s};
        const OrderRequest order = OrderRequest::make(account, device, arrears.model, packet);
        Fields fields = order.fields();
        fields.insert(u"drives"_s, u"IOS1"_s);
        const ServiceReply created = sandbox->call(ServiceOperation::createOrder, fields);
        const QString prepayId = replyText(created, {u"info", u"prepay_id"}, {});
        QVERIFY2(!prepayId.isEmpty(), qPrintable(created.returnText.value_or(QString())));

        SandboxWallet wallet(&network, sandbox->walletUrl());
        wallet.registerApp(WeChatConfig::appId, u"Morvel"_s);
        RecordingWalletDelegate delegate;
        wallet.setUrlOpener([&](const QUrl &url) { wallet.handleOpenURL(url, &delegate); });
        QVERIFY(wallet.sendReq(
            PayRequest::build(prepayId, double(QDateTime::currentSecsSinceEpoch()))));
        QTRY_COMPARE(delegate.responses.size(), 1);
        QCOMPARE(delegate.responses.first().errCode, 0);

        QCOMPARE(billsOwed(account), 0);
        QCOMPARE(paidToday(), QStringList{Money::yuanText(order.spay.toLongLong())});
    }
};

QTEST_GUILESS_MAIN(SandboxSettlementTest)
#include "tst_sandboxsettlement.moc"
