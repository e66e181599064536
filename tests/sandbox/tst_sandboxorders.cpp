// createOrder takes only orders that agree with the account's unpaid bills and the red
// packet; a refusal carries a reason and no prepay id, and stores nothing.
#include "SandboxHarness.h"
#include "SeedOrders.h"
#include "Store.h"

#include <QDate>
#include <QSqlQuery>
#include <QTest>

using namespace Qt::StringLiterals;
using Fields = QHash<QString, QString>;

namespace {

using namespace SeedOrders;

Fields with(Fields fields, const QString &name, const QString &value)
{
    fields.insert(name, value);
    return fields;
}

} // namespace

class SandboxOrdersTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SandboxHarness> sandbox;

private slots:
    void init()
    {
        sandbox = std::make_unique<SandboxHarness>();
        QVERIFY(sandbox->isListening());
        // Beside the seeded 5.00 (HB000001): a used packet, an expired one, and one worth
        // exactly the first water bill.
        const QString yesterday = QDate::currentDate().addDays(-1).toString(Qt::ISODate);
        const QString nextYear = QDate::currentDate().addYears(1).toString(Qt::ISODate);
        QVERIFY(sandbox->store().run(
            u"INSERT INTO red_packets (hbid, name, amount_fen, valid_until, owner, used) VALUES "
            "('HB900001', '已用红包', 500, ?, '13912345678', 1), "
            "('HB900002', '过期红包', 500, ?, '13912345678', 0), "
            "('HB900003', '整单红包', 6210, ?, '13912345678', 0)"_s,
            {nextYear, yesterday, nextYear}));
    }
    void cleanup() { sandbox.reset(); }

    void createOrder_data()
    {
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<QString>("refusal"); // empty: accepted
        QTest::addColumn<int>("bills");
        QTest::addColumn<qint64>("hbjeFen");

        QTest::newRow("one bill") << order(water01, u"6210"_s, u"6210"_s) << QString() << 1
                                  << qint64(0);
        QTest::newRow("every bill of the account")
            << order(allOf1000001, u"86480"_s, u"86480"_s) << QString() << 9 << qint64(0);
        QTest::newRow("red packet deducted")
            << order(allOf1000001, u"86480"_s, u"85980"_s, u"HB000001"_s, u"5.00"_s) << QString()
            << 9 << qint64(500);
        QTest::newRow("red packet amount without decimals")
            << order(allOf1000001, u"86480"_s, u"85980"_s, u"HB000001"_s, u"5"_s) << QString() << 9
            << qint64(500);
        QTest::newRow("red packet equal to the total")
            << order(water01, u"6210"_s, u"0"_s, u"HB900003"_s, u"62.10"_s) << QString() << 1
            << qint64(6210);

        const auto refused = [](const char *name, const Fields &fields, const QString &reason) {
            QTest::newRow(name) << fields << reason << 0 << qint64(0);
        };
        const QString wrongTotal = u"应缴金额与账单不符"_s;
        refused("ypay one fen more", order(water01, u"6211"_s, u"6211"_s), wrongTotal);
        refused("ypay in yuan", order(water01, u"62.10"_s, u"62.10"_s), wrongTotal);
        refused("ypay of fewer bills", order(water01 + water02, u"6210"_s, u"6210"_s), wrongTotal);
        const QString wrongPayment = u"实缴金额不符"_s;
        refused("spay below ypay without a packet", order(water01, u"6210"_s, u"6200"_s),
                wrongPayment);
        refused("spay without the packet's deduction",
                order(allOf1000001, u"86480"_s, u"86480"_s, u"HB000001"_s, u"5.00"_s),
                wrongPayment);
        refused("spay empty", order(water01, u"6210"_s, QString()), wrongPayment);
        refused("unknown bill", order(u"202501:YS20250199999|"_s, u"6210"_s, u"6210"_s),
                u"账单不存在"_s);
        refused("paid bill", order(u"202412:YS20241200001|"_s, u"5175"_s, u"5175"_s),
                u"账单已缴清"_s);
        refused("another account's bill", order(u"202502:YS20250200018|"_s, u"6555"_s, u"6555"_s),
                u"账单不属于该户号"_s);
        refused("month not the bill's", order(u"202502:YS20250100002|"_s, u"6210"_s, u"6210"_s),
                u"账单月份不符"_s);
        refused("bill named twice", order(water01 + water01, u"12420"_s, u"12420"_s),
                u"账单重复"_s);
        const QString malformed = u"缴费账单格式不正确"_s;
        refused("no trailing bar", order(u"202501:YS20250100002"_s, u"6210"_s, u"6210"_s),
                malformed);
        refused("last entry without its bar",
                order(water01 + u"202502:YS20250200003"_s, u"11385"_s, u"11385"_s), malformed);
        refused("entry without a month", order(u"YS20250100002|"_s, u"6210"_s, u"6210"_s),
                malformed);
        refused("no bills", order(QString(), u"0"_s, u"0"_s), malformed);
        refused("used packet", order(water01, u"6210"_s, u"5710"_s, u"HB900001"_s, u"5.00"_s),
                u"红包已使用"_s);
        refused("expired packet", order(water01, u"6210"_s, u"5710"_s, u"HB900002"_s, u"5.00"_s),
                u"红包已过期"_s);
        refused("unknown packet", order(water01, u"6210"_s, u"5710"_s, u"HB999999"_s, u"5.00"_s),
                u"红包不存在"_s);
        refused("hbje not the packet's amount",
                order(allOf1000001, u"86480"_s, u"85480"_s, u"HB000001"_s, u"10.00"_s),
                u"红包金额不符"_s);
        refused("hbje without a packet", order(water01, u"6210"_s, u"5710"_s, QString(), u"5.00"_s),
                u"未使用红包却有红包金额"_s);
        refused("unknown account",
                with(order(water01, u"6210"_s, u"6210"_s), u"userbh"_s, u"9999999"_s),
                u"户号不存在"_s);
        refused("no device", with(order(water01, u"6210"_s, u"6210"_s), u"uuid"_s, QString()),
                u"缺少设备标识"_s);
    }

    void createOrder()
    {
        QFETCH(Fields, fields);
        QFETCH(QString, refusal);
        QFETCH(int, bills);
        QFETCH(qint64, hbjeFen);

        const ServiceReply reply = sandbox->call(ServiceOperation::createOrder, fields);
        QVERIFY(reply.replyDocument);
        const QString prepayId = replyText(reply, {u"info", u"prepay_id"});
        if (!refusal.isEmpty()) {
            // The app tells the customer the order failed exactly when no prepay id comes.
            QCOMPARE(prepayId, u"<absent>"_s);
            QCOMPARE(replyText(reply, {u"info", u"resultCode"}), u"0"_s);
            QCOMPARE(replyText(reply, {u"info", u"resultMsg"}), refusal);
            QCOMPARE(sandbox->count(u"SELECT count(*) FROM orders"_s), 0);
            QCOMPARE(sandbox->count(u"SELECT count(*) FROM order_bills"_s), 0);
            return;
        }

        QVERIFY(!prepayId.isEmpty());
        std::optional<QSqlQuery> stored = sandbox->store().run(
            u"SELECT userbh, device_uuid, rcvbl_amt_ids, ypay_fen, spay_fen, hbid, hbje_fen, "
            "drives, state FROM orders WHERE prepay_id = ?"_s,
            {prepayId});
        QVERIFY(stored && stored->next());
        QCOMPARE(stored->value(0).toString(), fields.value(u"userbh"_s));
        QCOMPARE(stored->value(1).toString(), device);
        QCOMPARE(stored->value(2).toString(), fields.value(u"rcvblAmtId"_s));
        QCOMPARE(stored->value(3).toLongLong(), fields.value(u"ypay"_s).toLongLong());
        QCOMPARE(stored->value(4).toLongLong(), fields.value(u"spay"_s).toLongLong());
        QCOMPARE(stored->value(5).toString(), fields.value(u"hbid"_s));
        QCOMPARE(stored->value(6).toLongLong(), hbjeFen);
        QCOMPARE(stored->value(7).toString(), u"IOS1"_s);
        QCOMPARE(stored->value(8).toString(), u"created"_s);
        QCOMPARE(sandbox->count(u"SELECT count(*) FROM order_bills"_s), bills);
        // Ordering pays nothing yet: that is the wallet's settlement.
        QCOMPARE(
            sandbox->count(u"SELECT count(*) FROM bills WHERE userbh = '1000001' AND paid = 0"_s),
            9);

        // The same order again is a new order, with a prepay id of its own.
        const ServiceReply again = sandbox->call(ServiceOperation::createOrder, fields);
        QCOMPARE_NE(replyText(again, {u"info", u"prepay_id"}), prepayId);
        QCOMPARE_NE(replyText(again, {u"info", u"prepay_id"}), u"<absent>"_s);
    }
};

QTEST_GUILESS_MAIN(SandboxOrdersTest)
#include "tst_sandboxorders.moc"
