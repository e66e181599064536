#include "redpackets/HongBaoSelection.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

RedPacketRecord packet(const QString &hbid, const QString &hbmc = {}, const QString &hbje = {})
{
    RedPacketRecord record;
    record.hbid = hbid;
    record.hbmc = hbmc;
    record.hbje = hbje;
    return record;
}

QList<RedPacketRecord> threePackets()
{
    return {packet(u"HB1"_s, u"新用户红包"_s, u"5"_s), packet(u"HB2"_s, u"缴费立减"_s, u"5.00"_s),
            packet(u"HB3"_s, u"A"_s, u"0.55"_s)};
}

} // namespace

class TestHongBaoSelection : public QObject
{
    Q_OBJECT

private slots:
    void flag_data()
    {
        QTest::addColumn<QList<RedPacketRecord>>("packets");
        QTest::addColumn<QString>("hbid");
        QTest::addColumn<int>("flag");

        QTest::newRow("first") << threePackets() << u"HB1"_s << 1;
        QTest::newRow("middle") << threePackets() << u"HB2"_s << 2;
        QTest::newRow("last") << threePackets() << u"HB3"_s << 3;
        QTest::newRow("none matches") << threePackets() << u"HB9"_s << 0;
        QTest::newRow("absent id") << threePackets() << QString() << 0;
        QTest::newRow("empty id") << threePackets() << u""_s << 0;
        QTest::newRow("empty id beside a packet without id")
            << QList<RedPacketRecord>{packet(u"HB1"_s), packet(u""_s)} << u""_s << 0;
        QTest::newRow("duplicate ids mark the first")
            << QList<RedPacketRecord>{packet(u"HB1"_s), packet(u"HB2"_s), packet(u"HB2"_s)}
            << u"HB2"_s << 2;
        QTest::newRow("ids compare exactly") << threePackets() << u"hb1"_s << 0;
        QTest::newRow("no packets") << QList<RedPacketRecord>() << u"HB1"_s << 0;
    }

    void flag()
    {
        QFETCH(QList<RedPacketRecord>, packets);
        QFETCH(QString, hbid);
        QFETCH(int, flag);
        QCOMPARE(HongBaoSelection(packets, hbid).flag(), flag);
    }

    void rowTitles_data()
    {
        QTest::addColumn<QList<RedPacketRecord>>("packets");
        QTest::addColumn<QStringList>("titles");

        QTest::newRow("one packet") << QList<RedPacketRecord>{packet(u"HB1"_s, u"A"_s, u"5"_s)}
                                    << QStringList{u"不使用红包"_s, u"A   5元"_s};
        QTest::newRow("amounts as received")
            << threePackets()
            << QStringList{u"不使用红包"_s, u"新用户红包   5元"_s, u"缴费立减   5.00元"_s,
                           u"A   0.55元"_s};
        QTest::newRow("empty name and amount")
            << QList<RedPacketRecord>{packet(u"HB1"_s)} << QStringList{u"不使用红包"_s, u"   元"_s};
        QTest::newRow("no packets") << QList<RedPacketRecord>() << QStringList{u"不使用红包"_s};
    }

    void rowTitles()
    {
        QFETCH(QList<RedPacketRecord>, packets);
        QFETCH(QStringList, titles);
        const HongBaoSelection selection(packets, {});
        QCOMPARE(selection.rowTitles(), titles);
        QCOMPARE(selection.rowCount(), titles.size());
    }

    void choice_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("inList");
        QTest::addColumn<QStringList>("choice");

        QTest::newRow("不使用红包") << 0 << true << QStringList();
        QTest::newRow("first packet")
            << 1 << true << QStringList{u"HB1"_s, u"5"_s, u"新用户红包"_s};
        QTest::newRow("second packet")
            << 2 << true << QStringList{u"HB2"_s, u"5.00"_s, u"缴费立减"_s};
        QTest::newRow("last packet") << 3 << true << QStringList{u"HB3"_s, u"0.55"_s, u"A"_s};
        QTest::newRow("past the last row") << 4 << false << QStringList();
        QTest::newRow("before the first row") << -1 << false << QStringList();
    }

    void choice()
    {
        QFETCH(int, row);
        QFETCH(bool, inList);
        QFETCH(QStringList, choice);
        const std::optional<QStringList> chosen =
            HongBaoSelection(threePackets(), u"HB2"_s).choice(row);
        QCOMPARE(chosen.has_value(), inList);
        if (inList)
            QCOMPARE(*chosen, choice);
    }

    void readableAsAValueType()
    {
        const HongBaoSelection selection(threePackets(), u"HB3"_s);
        const QMetaObject &meta = HongBaoSelection::staticMetaObject;
        const auto read = [&](const char *name) {
            return meta.property(meta.indexOfProperty(name)).readOnGadget(&selection);
        };
        QCOMPARE(read("flag").toInt(), 3);
        QCOMPARE(read("rowCount").toInt(), 4);
        QCOMPARE(read("rowTitles").toStringList().last(), u"A   0.55元"_s);
    }

    void noPacketIsAnEmptyListEvenForPacketsWithoutTexts()
    {
        const HongBaoSelection selection({packet({})}, {});
        QCOMPARE(selection.choice(0)->size(), 0);
        QCOMPARE(*selection.choice(1), (QStringList{u""_s, u""_s, u""_s}));
    }
};

QTEST_GUILESS_MAIN(TestHongBaoSelection)
#include "tst_hongbaoselection.moc"
