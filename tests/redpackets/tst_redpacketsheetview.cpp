// The selection sheet drawn in the real main window: its card, marks and touches.
#include "MainWindowFixture.h"
#include "redpackets/LPHongBaoView.h"

#include <QQuickItem>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRedPacketSheetView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_main.load()); }

    void touches_data()
    {
        QTest::addColumn<QString>("tapOn");
        QTest::addColumn<QList<QStringList>>("choices");

        QTest::newRow("a packet row")
            << u"B   10元"_s << QList<QStringList>{{u"HB2"_s, u"10"_s, u"B"_s}};
        QTest::newRow("不使用红包") << u"不使用红包"_s << QList<QStringList>{{}};
        QTest::newRow("the title closes without a choice") << u"红包信息"_s << QList<QStringList>();
    }

    void touches()
    {
        QFETCH(QString, tapOn);
        QFETCH(QList<QStringList>, choices);
        ViewProbe probe = m_main.probe();
        QList<QStringList> chosen;
        auto *sheet = new LPHongBaoView(&m_main.navigator, u"HB2"_s,
                                        [&chosen](const QStringList &c) { chosen.append(c); });
        sheet->setDataSource({{u"HB1"_s, u"A"_s, u"5"_s, {}}, {u"HB2"_s, u"B"_s, u"10"_s, {}}});
        sheet->show();
        QTRY_COMPARE(probe.visibleNamed(u"redPacketCard"_s).size(), 1);
        QQuickItem *card = probe.visibleNamed(u"redPacketCard"_s).constFirst();
        QTRY_COMPARE(card->scale(), 1.0);
        QCOMPARE(card->size(), QSizeF(295, 200));

        const QList<QQuickItem *> marks = probe.visibleNamed(u"tipBtn"_s);
        QCOMPARE(marks.size(), 1);
        QCOMPARE(marks.first()->parentItem()->property("title").toString(), u"B   10元"_s);

        QVERIFY(probe.tapText(tapOn));
        QTRY_VERIFY(probe.visibleNamed(u"redPacketCard"_s).isEmpty());
        QCOMPARE(chosen, choices);
        QVERIFY(m_main.navigator.modals().isEmpty());
    }

private:
    MainWindowFixture m_main;
};

QTEST_MAIN(TestRedPacketSheetView)
#include "tst_redpacketsheetview.moc"
