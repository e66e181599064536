#include "redpackets/HongBaoListRows.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestHongBaoListRows : public QObject
{
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<QString>("hbje");
        QTest::addColumn<QString>("yxrq");
        QTest::addColumn<QString>("amountText");
        QTest::addColumn<QString>("dateText");

        QTest::newRow("whole yuan") << u"5"_s << u"2027-06-30"_s << u"5元"_s << u"2027-06-30"_s;
        QTest::newRow("two decimals kept")
            << u"5.00"_s << u"2027-06-30"_s << u"5.00元"_s << u"2027-06-30"_s;
        QTest::newRow("empty date") << u"10"_s << u""_s << u"10元"_s << u""_s;
        QTest::newRow("empty amount") << u""_s << u"2027-01-01"_s << u"元"_s << u"2027-01-01"_s;
        QTest::newRow("date as written")
            << u"0.5"_s << u"2027年6月30日"_s << u"0.5元"_s << u"2027年6月30日"_s;
    }

    void texts()
    {
        QFETCH(QString, hbje);
        QFETCH(QString, yxrq);
        QFETCH(QString, amountText);
        QFETCH(QString, dateText);
        RedPacketRecord packet;
        packet.hbje = hbje;
        packet.yxrq = yxrq;
        QCOMPARE(HongBaoListRows::amountText(packet), amountText);
        QCOMPARE(HongBaoListRows::dateText(packet), dateText);
    }

    void heights_data()
    {
        QTest::addColumn<qreal>("windowWidth");
        QTest::addColumn<int>("section");
        QTest::addColumn<qreal>("rowHeight");
        QTest::addColumn<qreal>("headerHeight");

        QTest::newRow("320 wide, first section") << 320.0 << 0 << 80.0 << 1.0;
        QTest::newRow("320 wide, second section") << 320.0 << 1 << 80.0 << 2.0;
        QTest::newRow("375 wide, first section") << 375.0 << 0 << 93.75 << 1.0;
        QTest::newRow("375 wide, later section") << 375.0 << 4 << 93.75 << 2.34375;
        QTest::newRow("414 wide, second section") << 414.0 << 1 << 103.5 << 2.5875;
    }

    void heights()
    {
        QFETCH(qreal, windowWidth);
        QFETCH(int, section);
        QFETCH(qreal, rowHeight);
        QFETCH(qreal, headerHeight);
        QCOMPARE(HongBaoListRows::rowHeight(windowWidth), rowHeight);
        QCOMPARE(HongBaoListRows::sectionHeaderHeight(section, windowWidth), headerHeight);
    }
};

QTEST_GUILESS_MAIN(TestHongBaoListRows)
#include "tst_hongbaolistrows.moc"
