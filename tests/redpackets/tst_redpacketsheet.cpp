// The red packet sheet and list: which packet is marked, what each row says and hands back,
// and where the card and the list rows sit.
#include "redpackets/RedPacketListRows.h"
#include "redpackets/RedPacketSelection.h"
#include "redpackets/RedPacketSheetGeometry.h"

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

class TestRedPacketSheet : public QObject
{
    Q_OBJECT

private slots:
    void flag_data()
    {
        QTest::addColumn<QList<RedPacketRecord>>("packets");
        QTest::addColumn<QString>("hbid");
        QTest::addColumn<int>("flag");

        QTest::newRow("first") << threePackets() << u"HB1"_s << 1;
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
        QCOMPARE(RedPacketSelection(packets, hbid).flag(), flag);
    }

    void rowTitles_data()
    {
        QTest::addColumn<QList<RedPacketRecord>>("packets");
        QTest::addColumn<QStringList>("titles");

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
        const RedPacketSelection selection(packets, {});
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
            RedPacketSelection(threePackets(), u"HB2"_s).choice(row);
        QCOMPARE(chosen.has_value(), inList);
        if (inList)
            QCOMPARE(*chosen, choice);
    }

    void noPacketIsAnEmptyListEvenForPacketsWithoutTexts()
    {
        const RedPacketSelection selection({packet({})}, {});
        QCOMPARE(selection.choice(0)->size(), 0);
        QCOMPARE(*selection.choice(1), (QStringList{u""_s, u""_s, u""_s}));
    }

    void sheetCard_data()
    {
        QTest::addColumn<qsizetype>("packets");
        QTest::addColumn<qreal>("windowWidth");
        QTest::addColumn<qreal>("height"); // 0: no card

        QTest::newRow("none") << qsizetype(0) << 375.0 << 0.0;
        QTest::newRow("one") << qsizetype(1) << 375.0 << 150.0;
        QTest::newRow("five, wider window") << qsizetype(5) << 414.0 << 350.0;
        QTest::newRow("six: the list scrolls") << qsizetype(6) << 375.0 << 400.0;
        QTest::newRow("forty") << qsizetype(40) << 375.0 << 400.0;
    }

    void sheetCard()
    {
        QFETCH(qsizetype, packets);
        QFETCH(qreal, windowWidth);
        QFETCH(qreal, height);
        const std::optional<RedPacketSheetGeometry> geometry =
            RedPacketSheetGeometry::forPackets(packets, windowWidth);
        QCOMPARE(geometry.has_value(), height > 0);
        if (!geometry)
            return;
        QCOMPARE(geometry->card, QRectF(40, 120, windowWidth - 80, height));
        // The list fills the card below the title: no row is cut off or left floating.
        QCOMPARE(geometry->list.bottom(), height);
    }

    void listRowHeights_data()
    {
        QTest::addColumn<qreal>("windowWidth");
        QTest::addColumn<int>("section");
        QTest::addColumn<qreal>("rowHeight");
        QTest::addColumn<qreal>("headerHeight");

        QTest::newRow("320 wide, first section") << 320.0 << 0 << 80.0 << 1.0;
        QTest::newRow("375 wide, later section") << 375.0 << 4 << 93.75 << 2.34375;
    }

    void listRowHeights()
    {
        QFETCH(qreal, windowWidth);
        QFETCH(int, section);
        QFETCH(qreal, rowHeight);
        QFETCH(qreal, headerHeight);
        QCOMPARE(RedPacketListRows::rowHeight(windowWidth), rowHeight);
        QCOMPARE(RedPacketListRows::sectionHeaderHeight(section, windowWidth), headerHeight);
    }
};

QTEST_GUILESS_MAIN(TestRedPacketSheet)
#include "tst_redpacketsheet.moc"
