// The payment record screens driven through their controllers: the date picker, the query
// screen's rules and messages, and the list it opens.
#include "BadReplies.h"
#include "FakeClock.h"
#include "FakeNavigator.h"
#include "FakeSettingsStore.h"
#include "FakeTransport.h"
#include "billing/ReceiptListViewController.h"
#include "records/LPDatePicker.h"
#include "records/LPPayRecordViewController.h"
#include "records/LPQueryListController.h"
#include "records/MonthlyPaymentsViewController.h"
#include "service/Envelope.h"
#include "service/ServiceClient.h"

#include <QDateTime>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Noon on this machine's clock, so that "today" is that day in any time zone.
double localNoon(QDate date)
{
    return QDateTime(date, QTime(12, 0)).toMSecsSinceEpoch() / 1000.0;
}

const QDate today(2016, 3, 10);

QByteArray reply(const QString &info)
{
    return BadReplies::documentReply(u"queryPayList"_s, info);
}

QString entry(const QString &account, const QString &date, const QString &amount)
{
    return u"<queryList><userbh>%1</userbh><jfrq>%2</jfrq><jfje>%3</jfje></queryList>"_s.arg(
        account, date, amount);
}

} // namespace

class TestRecordScreens : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_navigator = std::make_unique<FakeNavigator>();
        m_transport = std::make_unique<FakeTransport>();
        m_service = std::make_unique<ServiceClient>(
            m_transport.get(), QUrl(u"http://service.test/trvo/ws/appService"_s));
        m_settings.values = {{u"UUID"_s, u"DEVICE-1"_s}};
        m_clock.now = localNoon(today);
    }

    void pickerKeepsToRealDays_data()
    {
        // Where the three wheels came to rest, and the date handed back.
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("selectable"); // drawn black, not grey
        QTest::addColumn<QString>("chosen");
        QTest::newRow("today") << 2016 << 3 << 10 << true << u"2016-03-10"_s;
        QTest::newRow("yesterday") << 2016 << 3 << 9 << true << u"2016-03-09"_s;
        QTest::newRow("tomorrow") << 2016 << 3 << 11 << false << u"2016-03-10"_s;
        QTest::newRow("later this year") << 2016 << 12 << 31 << false << u"2016-03-10"_s;
        QTest::newRow("31 February, leap year") << 2016 << 2 << 31 << false << u"2016-02-29"_s;
        QTest::newRow("31 April") << 2015 << 4 << 31 << false << u"2015-04-30"_s;
        QTest::newRow("long ago") << 1990 << 1 << 1 << true << u"1990-01-01"_s;
    }
    void pickerKeepsToRealDays()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QString, chosen);
        QString handedBack;
        LPDatePicker picker(
            {}, [&](const QString &date) { handedBack = date; }, &m_clock);
        QCOMPARE(picker.date(), today);
        picker.show();
        picker.selectDate(year, month, day);
        picker.sure();
        QCOMPARE(handedBack, chosen);
        QVERIFY(!picker.isOpen());
    }

    void pickerLimitIsTheMomentItOpened()
    {
        LPDatePicker picker({}, {}, &m_clock);
        m_clock.now += 3 * 24 * 3600;
        picker.selectDate(2016, 3, 12);
        QCOMPARE(picker.date(), today);
        QCOMPARE(picker.lastYear(), 2016);
    }

    void cancelKeepsTheShownDate()
    {
        LPPayRecordViewController *screen = makeScreen();
        choose(screen, &LPPayRecordViewController::showSelectStartDatePicker, QDate(2016, 3, 5));
        QCOMPARE(screen->startDateTitle(), u"2016-03-05"_s);

        screen->showSelectStartDatePicker();
        LPDatePicker *picker = screen->datePicker();
        // A fresh picker starts at today, not at the date the button shows.
        QCOMPARE(picker->date(), today);
        picker->selectDate(2016, 1, 2);
        picker->cancle();
        QVERIFY(!picker->isOpen());
        picker->sure(); // a late tap on the shrinking panel
        QCOMPARE(screen->startDateTitle(), u"2016-03-05"_s);
        QCOMPARE(screen->endDateTitle(), u"请点击选择结束日期"_s);
    }

    // Each message once and one query sent: the full date rules are PayRecordQuery's tests.
    void queryRules_data()
    {
        QTest::addColumn<QDate>("start"); // invalid: not chosen
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QString>("message"); // empty: the query goes out

        const QDate day(2016, 3, 5);
        QTest::newRow("same day") << day << day << QString();
        QTest::newRow("start after end") << day.addDays(1) << day << u"开始日期不能大于结束日期"_s;
        QTest::newRow("only the start")
            << day << QDate() << u"请检查开始日期与结束日期是否都有值"_s;
    }
    void queryRules()
    {
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(QString, message);
        LPPayRecordViewController *screen = makeScreen();
        if (start.isValid())
            choose(screen, &LPPayRecordViewController::showSelectStartDatePicker, start);
        if (end.isValid())
            choose(screen, &LPPayRecordViewController::showSelectOverDatePicker, end);

        screen->query();
        if (!message.isEmpty()) {
            QCOMPARE(m_navigator->kinds(), QStringList{u"alert"_s});
            QCOMPARE(m_navigator->lastAlert()->title, u"温馨提示"_s);
            QCOMPARE(m_navigator->lastAlert()->message, message);
            QCOMPARE(m_navigator->lastAlert()->buttonTitles(), QStringList{u"确定"_s});
            QVERIFY(m_transport->requests().isEmpty());
            return;
        }
        QCOMPARE(m_transport->requests().size(), 1);
        QCOMPARE(m_transport->lastRequest().body,
                 Envelope::body(ServiceOperation::queryPayList,
                                {{u"ksrq"_s, start.toString(u"yyyy-MM-dd"_s)},
                                 {u"jsrq"_s, end.toString(u"yyyy-MM-dd"_s)},
                                 {u"uuid"_s, u"DEVICE-1"_s}}));
        QCOMPARE(screen->loadingViews().size(), 1);
    }

    // How replies are read is PayRecordReply's test; here, what the screen does with each kind.
    void replies_data()
    {
        QTest::addColumn<QByteArray>("body"); // empty: no reply at all
        QTest::addColumn<QString>("message"); // empty: the list opens
        QTest::addColumn<QStringList>("accounts");

        QTest::newRow("result code 0") << reply(u"<info><resultCode>0</resultCode></info>"_s)
                                       << u"该时间段暂无缴费记录"_s << QStringList();
        QTest::newRow("a list") << reply(u"<info><resultCode>1</resultCode>"_s +
                                         entry(u"B"_s, u"d"_s, u"1"_s) +
                                         entry(u"A"_s, u"d"_s, u"2"_s) +
                                         entry(u"C"_s, u"d"_s, u"3"_s) + u"</info>"_s)
                                << QString() << QStringList{u"B"_s, u"A"_s, u"C"_s};
        // None of these says anything about the payments: no empty list for them.
        QTest::newRow("HTTP error page")
            << BadReplies::htmlErrorPage << u"网络异常!"_s << QStringList();
        QTest::newRow("SOAP fault") << BadReplies::soapFault << u"网络异常!"_s << QStringList();
        QTest::newRow("not XML") << "<html>502 Bad Gateway"_ba << u"网络异常!"_s << QStringList();
        QTest::newRow("no reply") << QByteArray() << u"网络异常!"_s << QStringList();
    }
    void replies()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, message);
        QFETCH(QStringList, accounts);
        LPPayRecordViewController *screen = makeScreen();
        choose(screen, &LPPayRecordViewController::showSelectStartDatePicker, QDate(2016, 3, 1));
        choose(screen, &LPPayRecordViewController::showSelectOverDatePicker, today);
        screen->query();
        if (body.isEmpty())
            m_transport->fail(0);
        else
            m_transport->respond(0, body);

        // Whatever came back, the wait is over.
        QVERIFY(screen->loadingViews().isEmpty());
        if (!message.isEmpty()) {
            QCOMPARE(m_navigator->kinds(), QStringList{u"alert"_s});
            QCOMPARE(m_navigator->lastAlert()->message, message);
            return;
        }
        QCOMPARE(m_navigator->kinds(), QStringList{u"push"_s});
        QVERIFY(m_navigator->calls.at(0).animated);
        auto *list = qobject_cast<LPQueryListController *>(m_navigator->stack.value(0));
        QVERIFY(list);
        list->viewDidLoad();
        QCOMPARE(list->title(), u"缴费记录"_s);
        QVERIFY(list->isShowWhiteBack());
        QStringList listed;
        for (const PayRecord &record : list->dataSource())
            listed.append(record.userbh);
        QCOMPARE(listed, accounts);
    }

    void rowTexts()
    {
        LPQueryListController list(m_navigator.get());
        list.setDataSource({{u"1000001"_s, u"2016-03-05"_s, u"120.50"_s}});
        const auto line = [](const QString &caption, const QString &value) {
            return QVariantMap{{u"caption"_s, caption}, {u"value"_s, value}};
        };
        const QVariantList expected{line(u"缴费编号"_s, u"1000001"_s),
                                    line(u"缴费日期"_s, u"2016-03-05"_s),
                                    line(u"缴费金额"_s, u"120.50元"_s)};
        QCOMPARE(list.rows(), QVariantList{QVariant(expected)});
    }

    void recordScreenOpensReceiptsAndMonths()
    {
        LPPayRecordViewController *screen = makeScreen();
        screen->showReceipts();
        screen->showMonthlyPayments();
        QCOMPARE(m_navigator->kinds(), (QStringList{u"push"_s, u"push"_s}));
        QVERIFY(qobject_cast<ReceiptListViewController *>(m_navigator->stack.value(0)));
        QVERIFY(qobject_cast<MonthlyPaymentsViewController *>(m_navigator->stack.value(1)));
    }

    void monthsAskOnceForTheTwelveMonths()
    {
        MonthlyPaymentsViewController *chart = makeChart();
        QCOMPARE(m_transport->requests().size(), 1);
        const QByteArray body = m_transport->lastRequest().body;
        QVERIFY(body.contains("ksrq&gt;2015-04-01&lt;"));
        QVERIFY(body.contains("jsrq&gt;2016-03-10&lt;"));
        QVERIFY(body.contains("uuid&gt;DEVICE-1&lt;"));
        QCOMPARE(chart->loadingViews().size(), 1);
        QVERIFY(!chart->isLoaded());
    }

    void monthsSumTheirPaymentsAndOpenThem()
    {
        MonthlyPaymentsViewController *chart = makeChart();
        m_transport->respond(0,
                             reply(u"<info><resultCode>1</resultCode>"_s +
                                   entry(u"1000001"_s, u"2016-03-01"_s, u"0.10"_s) +
                                   entry(u"1000003"_s, u"2016-03-10"_s, u"0.20"_s) +
                                   entry(u"1000001"_s, u"2015-04-30"_s, u"864.80"_s) +
                                   entry(u"1000001"_s, u"2016-02-3"_s, u"5.00"_s) + u"</info>"_s));
        QVERIFY(chart->isLoaded());
        QVERIFY(chart->loadingViews().isEmpty());
        const QVariantList months = chart->months();
        QCOMPARE(months.size(), 12);
        // This month on top.
        QCOMPARE(months.last().toMap().value(u"title"_s), u"2015年4月"_s);
        QCOMPARE(months.last().toMap().value(u"amount"_s), u"864.80元"_s);
        QCOMPARE(months.last().toMap().value(u"share"_s).toDouble(), 1.0);
        QCOMPARE(months.first().toMap().value(u"title"_s), u"2016年3月"_s);
        QCOMPARE(months.first().toMap().value(u"amount"_s), u"0.30元"_s);
        QCOMPARE(months.at(1).toMap().value(u"amount"_s), u"0.00元"_s);
        QCOMPARE(chart->totalText(), u"合计 865.10元"_s);

        chart->openMonth(0);
        auto *list = qobject_cast<LPQueryListController *>(m_navigator->stack.value(0));
        QVERIFY(list);
        QCOMPARE(list->dataSource().size(), 2);
        QCOMPARE(list->dataSource().at(1).userbh, u"1000003"_s);

        chart->openMonth(6);
        QCOMPARE(m_navigator->alertMessages(), QStringList{u"2015年9月暂无缴费记录"_s});
    }

    void monthsWithoutAnswer_data()
    {
        QTest::addColumn<QByteArray>("answer"); // empty: no reply at all
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QStringList>("alerts");
        QTest::newRow("no payments in the year")
            << reply(u"<info><resultCode>0</resultCode></info>"_s) << true << QStringList{};
        QTest::newRow("not a reply")
            << QByteArray("<html>busy</html>") << false << QStringList{u"网络异常!"_s};
        QTest::newRow("no reply") << QByteArray() << false << QStringList{u"网络异常!"_s};
    }
    void monthsWithoutAnswer()
    {
        QFETCH(QByteArray, answer);
        QFETCH(bool, loaded);
        QFETCH(QStringList, alerts);
        MonthlyPaymentsViewController *chart = makeChart();
        if (answer.isEmpty())
            m_transport->fail(0);
        else
            m_transport->respond(0, answer);
        QCOMPARE(chart->isLoaded(), loaded);
        QCOMPARE(chart->hasFailed(), !loaded);
        QCOMPARE(m_navigator->alertMessages(), alerts);
        QVERIFY(chart->loadingViews().isEmpty());
        if (loaded)
            QCOMPARE(chart->totalText(), u"合计 0.00元"_s);
        // Trying again asks again.
        chart->reload();
        QCOMPARE(m_transport->requests().size(), 2);
    }

private:
    MonthlyPaymentsViewController *makeChart()
    {
        auto *chart = new MonthlyPaymentsViewController(m_navigator.get(), m_service.get(),
                                                        &m_settings, &m_clock);
        chart->setParent(&m_navigator->owner);
        chart->viewDidLoad();
        return chart;
    }

    LPPayRecordViewController *makeScreen()
    {
        auto *screen = new LPPayRecordViewController(m_navigator.get(), m_service.get(),
                                                     &m_settings, &m_clock);
        screen->setParent(&m_navigator->owner);
        screen->viewDidLoad();
        return screen;
    }

    void choose(LPPayRecordViewController *screen, void (LPPayRecordViewController::*open)(),
                QDate date)
    {
        (screen->*open)();
        screen->datePicker()->selectDate(date.year(), date.month(), date.day());
        screen->datePicker()->sure();
    }

    std::unique_ptr<FakeNavigator> m_navigator;
    std::unique_ptr<FakeTransport> m_transport;
    std::unique_ptr<ServiceClient> m_service;
    FakeSettingsStore m_settings;
    FakeClock m_clock;
};

QTEST_GUILESS_MAIN(TestRecordScreens)
#include "tst_recordscreens.moc"
