#include "redpackets/HongBaoSheetGeometry.h"

#include <QTest>

class TestHongBaoSheetGeometry : public QObject
{
    Q_OBJECT

private slots:
    void card_data()
    {
        QTest::addColumn<qsizetype>("packets");
        QTest::addColumn<qreal>("windowWidth");
        QTest::addColumn<QRectF>("card");

        for (const qreal width : {375.0, 414.0}) {
            const qreal cardWidth = width - 80;
            const auto row = [&](qsizetype packets, qreal height) {
                QTest::addRow("%lld packets, %g wide", qlonglong(packets), width)
                    << packets << width << QRectF(40, 120, cardWidth, height);
            };
            row(1, 150);
            row(2, 200);
            row(5, 350);
            row(6, 400);
            row(7, 400);
            row(40, 400);
        }
    }

    void card()
    {
        QFETCH(qsizetype, packets);
        QFETCH(qreal, windowWidth);
        QFETCH(QRectF, card);
        const std::optional<HongBaoSheetGeometry> geometry =
            HongBaoSheetGeometry::forPackets(packets, windowWidth);
        QVERIFY(geometry);
        QCOMPARE(geometry->card, card);
    }

    void noCardWithoutPackets()
    {
        QVERIFY(!HongBaoSheetGeometry::forPackets(0, 375));
        QVERIFY(!HongBaoSheetGeometry::forPackets(0, 414));
    }

    void partsOfTheCard_data()
    {
        QTest::addColumn<qsizetype>("packets");
        QTest::addColumn<qreal>("windowWidth");
        QTest::addColumn<qreal>("listHeight");

        QTest::newRow("1 packet, 375 wide") << qsizetype(1) << 375.0 << 98.5;
        QTest::newRow("5 packets, 414 wide") << qsizetype(5) << 414.0 << 298.5;
        QTest::newRow("6 packets, 375 wide") << qsizetype(6) << 375.0 << 348.5;
    }

    void partsOfTheCard()
    {
        QFETCH(qsizetype, packets);
        QFETCH(qreal, windowWidth);
        QFETCH(qreal, listHeight);
        const HongBaoSheetGeometry geometry =
            *HongBaoSheetGeometry::forPackets(packets, windowWidth);
        const qreal cardWidth = windowWidth - 80;
        QCOMPARE(geometry.title, QRectF(10, 10, cardWidth, 40));
        QCOMPARE(geometry.line, QRectF(0, 50, cardWidth, 1.5));
        QCOMPARE(geometry.list, QRectF(0, 51.5, cardWidth, listHeight));
        QCOMPARE(geometry.list.bottom(), geometry.card.height());
        QCOMPARE(geometry.rowHeight, 50.0);
    }
};

QTEST_GUILESS_MAIN(TestHongBaoSheetGeometry)
#include "tst_hongbaosheetgeometry.moc"
