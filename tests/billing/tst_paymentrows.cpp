#include "billing/OrderRequest.h"
#include "billing/PaymentRows.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Packet = std::optional<RedPacketChoice>;

namespace {

queryListModel bill(const QString &kind, const QString &amount, const QString &month = {},
                    const QString &id = {})
{
    queryListModel record;
    record.rcvType = kind;
    record.rcvblAmt = amount;
    record.rcvblYm = month;
    record.rcvblAmtId = id;
    return record;
}

PayModel owing(const QString &total, const QList<queryListModel> &bills = {})
{
    PayModel model;
    model.consName = u"张三"_s;
    model.addr = u"青山区和平路12号"_s;
    model.totalOweAmt = total;
    model.totalPenAlty = u"1.5"_s;
    model.queryList = bills;
    return model;
}

RedPacketChoice packet(const QString &amount)
{
    return {u"HB"_s + amount, amount, u"新用户红包"_s};
}

} // namespace

class TestPaymentRows : public QObject
{
    Q_OBJECT

private slots:
    void sumsPerKind()
    {
        const QStringList rows = PaymentRows::values(owing(
            u"25"_s, {bill(u"W"_s, u"12.30"_s), bill(u"P"_s, u"5"_s), bill(u"W"_s, u"7.70"_s),
                      bill(u"w"_s, u"100"_s), bill(u""_s, u"100"_s), bill(u"Gas"_s, u"100"_s)}));
        QCOMPARE(rows.mid(PaymentRows::water, 3),
                 (QStringList{u"20.00元"_s, u"5.00元"_s, u"0.00元"_s}));
        QCOMPARE(rows[PaymentRows::penalties], u"1.50元"_s);
        QCOMPARE(rows[PaymentRows::redPacket], u"不使用红包"_s);
        QCOMPARE(rows[PaymentRows::amountDue], u"25.00元"_s);
        QCOMPARE(rows.size(), int(PaymentRows::count));
        QCOMPARE(PaymentRows::titles().size(), int(PaymentRows::count));
    }

    void sumsAreExact()
    {
        // Ten bills of 0.10 are 1.00 exactly, however many there are.
        QList<queryListModel> bills(1000, bill(u"G"_s, u"0.10"_s));
        QCOMPARE(PaymentRows::sumsByKind(bills).gas, qint64(10000));
    }

    void maskedAddress_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("shown");

        QTest::newRow("seven characters whole") << u"ABCDEFG"_s << u"ABCDEFG"_s;
        QTest::newRow("eight characters masked") << u"ABCDEFGH"_s << u"ABC*FGH"_s;
        QTest::newRow("ten characters") << u"ABCDEFGHIJ"_s << u"ABC*HIJ"_s;
        QTest::newRow("Chinese") << u"青山区和平路12号"_s << u"青山区*12号"_s;
        QTest::newRow("empty") << QString() << QString();
    }

    void maskedAddress()
    {
        QFETCH(QString, address);
        QFETCH(QString, shown);
        QCOMPARE(PaymentRows::maskedAddress(address), shown);
    }

    void redPacket_data()
    {
        QTest::addColumn<QString>("total");
        QTest::addColumn<Packet>("choice");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("redPacketRow");
        QTest::addColumn<QString>("amountDueRow");
        QTest::addColumn<QString>("ypay");
        QTest::addColumn<QString>("spay");

        QTest::newRow("no packet") << u"85.5"_s << Packet() << true << u"不使用红包"_s
                                   << u"85.50元"_s << u"8550"_s << u"8550"_s;
        QTest::newRow("packet of 5")
            << u"85.5"_s << Packet(packet(u"5"_s)) << true << u"新用户红包  5元"_s << u"80.50"_s
            << u"8550"_s << u"8050"_s;
        QTest::newRow("packet of 10")
            << u"85.5"_s << Packet(packet(u"10"_s)) << true << u"新用户红包  10元"_s << u"75.50"_s
            << u"8550"_s << u"7550"_s;
        QTest::newRow("packet equal to the total")
            << u"85.5"_s << Packet(packet(u"85.50"_s)) << true << u"新用户红包  85.50元"_s
            << u"0.00"_s << u"8550"_s << u"0"_s;
        QTest::newRow("packet larger than the total")
            << u"85.5"_s << Packet(packet(u"85.51"_s)) << false << QString() << QString()
            << u"8550"_s << u"8550"_s;
        QTest::newRow("1 less 0.55 is 45 fen")
            << u"1"_s << Packet(packet(u"0.55"_s)) << true << u"新用户红包  0.55元"_s << u"0.45"_s
            << u"100"_s << u"45"_s;
        QTest::newRow("total beyond single precision")
            << u"167772.17"_s << Packet() << true << u"不使用红包"_s << u"167772.17元"_s
            << u"16777217"_s << u"16777217"_s;
        QTest::newRow("a half fen goes to the even neighbour")
            << u"12.345"_s << Packet() << true << u"不使用红包"_s << u"12.34元"_s << u"1234"_s
            << u"1234"_s;
    }

    void redPacket()
    {
        QFETCH(QString, total);
        QFETCH(Packet, choice);
        QFETCH(bool, accepted);
        QFETCH(QString, redPacketRow);
        QFETCH(QString, amountDueRow);
        QFETCH(QString, ypay);
        QFETCH(QString, spay);

        const PayModel model = owing(total);
        QCOMPARE(!choice || PaymentRows::accepts(model, *choice), accepted);
        if (accepted) {
            const QStringList rows = PaymentRows::values(model, choice);
            QCOMPARE(rows[PaymentRows::redPacket], redPacketRow);
            QCOMPARE(rows[PaymentRows::amountDue], amountDueRow);
        }
        const OrderRequest order = OrderRequest::make(u"1000001"_s, u"UUID"_s, model, choice);
        QCOMPARE(order.ypay, ypay);
        QCOMPARE(order.spay, spay);
        QCOMPARE(order.hbid, choice ? choice->hbid : QString());
        QCOMPARE(order.hbje, choice ? choice->hbje : QString());
    }

    void receivables_data()
    {
        QTest::addColumn<QList<queryListModel>>("bills");
        QTest::addColumn<QString>("rcvblAmtId");

        QTest::newRow("two bills")
            << QList<queryListModel>{bill(u"W"_s, u"1"_s, u"201607"_s, u"A1"_s),
                                     bill(u"P"_s, u"2"_s, u"201608"_s, u"A2"_s)}
            << u"201607:A1|201608:A2|"_s;
        QTest::newRow("one bill still ends with a bar")
            << QList<queryListModel>{bill(u"G"_s, u"1"_s, u"201607"_s, u"A1"_s)} << u"201607:A1|"_s;
        QTest::newRow("no bills") << QList<queryListModel>() << QString();
    }

    void receivables()
    {
        QFETCH(QList<queryListModel>, bills);
        QFETCH(QString, rcvblAmtId);
        const OrderRequest order = OrderRequest::make(u" 1000001"_s, u"U"_s, owing(u"3"_s, bills));
        QCOMPARE(order.rcvblAmtId, rcvblAmtId);
        const QHash<QString, QString> fields = order.fields();
        QCOMPARE(fields.value(u"userbh"_s), u" 1000001"_s);
        QCOMPARE(fields.value(u"uuid"_s), u"U"_s);
        QCOMPARE(fields.value(u"rcvblAmtId"_s), rcvblAmtId);
        QVERIFY(fields.contains(u"hbid"_s) && fields.value(u"hbid"_s).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPaymentRows)
#include "tst_paymentrows.moc"
