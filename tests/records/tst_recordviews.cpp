// The receipt and the last twelve months drawn offscreen in the real main window and used by
// taps and keys. With TARVO_VIEW_PICTURES set, each is saved there to be looked at.
#include "BadReplies.h"
#include "FakeClock.h"
#include "FakeSettingsStore.h"
#include "FakeTransport.h"
#include "MainWindowFixture.h"
#include "billing/ReceiptViewController.h"
#include "records/LPQueryListController.h"
#include "records/MonthlyPaymentsViewController.h"
#include "service/ServiceClient.h"

#include <QDir>
#include <QQuickItem>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRecordViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_main.load());
        m_settings.values.insert(u"UUID"_s, u"DEVICE-1"_s);
        m_clock.now = QDateTime(QDate(2026, 12, 7), QTime(12, 0)).toSecsSinceEpoch();
    }

    void receiptShowsTheSlip()
    {
        Receipt receipt;
        receipt.office = u"Tarvo青禾东城营业所"_s;
        receipt.account = u"1000001"_s;
        receipt.name = u"王*国"_s;
        receipt.address = u"青禾市*01室"_s;
        receipt.bills = {{u"202501"_s, u"水费"_s, 6210}, {u"202502"_s, u"气费"_s, 80270}};
        receipt.totalFen = 86480;
        receipt.paidFen = 85980;
        receipt.redPacketName = u"缴费立减红包"_s;
        receipt.redPacketFen = 500;
        receipt.orderTime = QDateTime(QDate(2026, 12, 7), QTime(18, 45, 12));
        receipt.prepayId = u"wx201"_s;
        m_main.navigator.push(
            new ReceiptViewController(&m_main.navigator, {receipt, u"/tmp/r.pdf"_s}, nullptr),
            false);
        const ViewProbe probe = m_main.probe();
        QTRY_VERIFY(probe.visibleText(u"电子缴费凭证"_s));
        for (const QString &text : {u"塔沃公用事业有限公司"_s, u"王*国"_s, u"202502"_s, u"802.70"_s,
                                    u"缴费立减红包  -5.00元"_s, u"859.80元"_s})
            QVERIFY2(probe.visibleText(text), qPrintable(text));
        look(u"receipt"_s);
        m_main.navigator.pop(false);
    }

    void monthsDrawTheirBarsAndOpenByKey()
    {
        auto *chart =
            new MonthlyPaymentsViewController(&m_main.navigator, &m_service, &m_settings, &m_clock);
        m_main.navigator.push(chart, false);
        QTRY_COMPARE(m_transport.requests().size(), 1);
        const auto entry = [](const QString &date, const QString &amount) {
            return u"<queryList><userbh>1000001</userbh><jfrq>%1</jfrq><jfje>%2</jfje>"
                   "</queryList>"_s.arg(date, amount);
        };
        m_transport.respond(0, BadReplies::documentReply(u"queryPayList"_s,
                                                         u"<info><resultCode>1</resultCode>"_s +
                                                             entry(u"2026-12-01"_s, u"0.10"_s) +
                                                             entry(u"2026-12-06"_s, u"0.20"_s) +
                                                             entry(u"2026-10-31"_s, u"864.80"_s) +
                                                             u"</info>"_s));
        ViewProbe probe = m_main.probe();
        QTRY_VERIFY(probe.visibleText(u"合计 865.10元"_s));
        QCOMPARE(probe.visibleNamed(u"monthRow"_s).size() >= 8, true);
        // Two months paid: two bars, October's the longest.
        const QList<QQuickItem *> bars = probe.visibleNamed(u"monthBar"_s);
        QCOMPARE(bars.size(), 2);
        QVERIFY(std::max(bars[0]->width(), bars[1]->width()) >
                50 * std::min(bars[0]->width(), bars[1]->width()));
        look(u"months"_s);

        // The keys start at this month's row; Tab walks to the month before, Enter opens it.
        const auto focusedTitle = [this] {
            const QQuickItem *focused = m_main.window->activeFocusItem();
            return focused && focused->objectName() == u"monthRow"_s
                       ? focused->property("modelData").toMap().value(u"title"_s).toString()
                       : QString();
        };
        QTRY_COMPARE(focusedTitle(), u"2026年12月"_s);
        probe.pressKey(Qt::Key_Tab);
        QCOMPARE(focusedTitle(), u"2026年11月"_s);
        probe.pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focusedTitle(), u"2026年12月"_s);
        probe.pressKey(Qt::Key_Return);
        QTRY_VERIFY(qobject_cast<LPQueryListController *>(m_main.navigator.stack().constLast()));
        const auto *list =
            qobject_cast<LPQueryListController *>(m_main.navigator.stack().constLast());
        QCOMPARE(list->dataSource().size(), 2);
        m_main.navigator.pop(false);
        QTest::qWait(300);

        // A tap on a month's label opens it too.
        QVERIFY(probe.tapText(u"10月"_s));
        QTRY_VERIFY(probe.visibleText(u"864.80元"_s) && probe.visibleText(u"缴费编号"_s));
    }

private:
    void look(const QString &name)
    {
        QTest::qWait(300);
        const QString pictures = qEnvironmentVariable("TARVO_VIEW_PICTURES");
        if (pictures.isEmpty())
            return;
        QDir().mkpath(pictures);
        m_main.window->grabWindow().save(QDir(pictures).filePath(name + u".png"_s));
    }

    FakeTransport m_transport;
    ServiceClient m_service{&m_transport, QUrl(u"http://service.test/ws"_s)};
    FakeSettingsStore m_settings;
    FakeClock m_clock;
    MainWindowFixture m_main;
};

QTEST_MAIN(TestRecordViews)
#include "tst_recordviews.moc"
