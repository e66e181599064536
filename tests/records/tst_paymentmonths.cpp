// The sums of the monthly chart and of tarvo-cli records --by-month: every calendar month of the
// range, in exact fen, and what a payment that cannot be read does to them (nothing).
#include "records/PaymentMonths.h"

#include <QTest>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

using Sums = QList<std::pair<QString, qint64>>;

Sums sumsOf(const QList<MonthTotal> &months)
{
    Sums sums;
    for (const MonthTotal &month : months)
        sums.append({month.month.toString(u"yyyy-MM"_s), month.fen});
    return sums;
}

PayRecord paid(const QString &date, const QString &amount)
{
    return {u"1000001"_s, date, amount};
}

} // namespace

class TestPaymentMonths : public QObject
{
    Q_OBJECT

private slots:
    void monthlySums_data()
    {
        QTest::addColumn<QList<PayRecord>>("records");
        QTest::addColumn<Sums>("sums");
        const Sums none{{u"2026-01"_s, 0}, {u"2026-02"_s, 0}, {u"2026-03"_s, 0}};
        QTest::newRow("no payments: every month, at zero") << QList<PayRecord>{} << none;
        QTest::newRow("first and last day of a month")
            << QList<PayRecord>{paid(u"2026-02-01"_s, u"1.00"_s), paid(u"2026-02-28"_s, u"2.00"_s),
                                paid(u"2026-01-31"_s, u"4.00"_s), paid(u"2026-03-01"_s, u"8.00"_s)}
            << Sums{{u"2026-01"_s, 400}, {u"2026-02"_s, 300}, {u"2026-03"_s, 800}};
        QTest::newRow("tenths add up exactly")
            << QList<PayRecord>{paid(u"2026-03-05"_s, u"0.10"_s), paid(u"2026-03-06"_s, u"0.20"_s)}
            << Sums{{u"2026-01"_s, 0}, {u"2026-02"_s, 0}, {u"2026-03"_s, 30}};
        QTest::newRow("a time after the day")
            << QList<PayRecord>{paid(u"2026-01-09 13:05:00"_s, u"3.5"_s),
                                paid(u"2026-01-10T08:00:00"_s, u"120"_s)}
            << Sums{{u"2026-01"_s, 12350}, {u"2026-02"_s, 0}, {u"2026-03"_s, 0}};
        QTest::newRow("unreadable dates and amounts count nowhere")
            << QList<PayRecord>{paid(u"2026-02-30"_s, u"1.00"_s),
                                paid(u"20260205"_s, u"1.00"_s),
                                paid(u"2026-02-05x"_s, u"1.00"_s),
                                paid(QString(), u"1.00"_s),
                                paid(u"2026-02-05"_s, u"12.5元"_s),
                                paid(u"2026-02-05"_s, QString()),
                                paid(u"2026-02-05"_s, u"1e3"_s),
                                paid(u"2026-02-05"_s, u"0.05"_s)}
            << Sums{{u"2026-01"_s, 0}, {u"2026-02"_s, 5}, {u"2026-03"_s, 0}};
        QTest::newRow("outside the months")
            << QList<PayRecord>{paid(u"2025-12-31"_s, u"1.00"_s), paid(u"2026-04-01"_s, u"1.00"_s)}
            << none;
        QTest::newRow("amounts beyond the fen round half to even")
            << QList<PayRecord>{paid(u"2026-01-02"_s, u"0.125"_s),
                                paid(u"2026-01-03"_s, u"0.135"_s)}
            << Sums{{u"2026-01"_s, 26}, {u"2026-02"_s, 0}, {u"2026-03"_s, 0}};
    }
    void monthlySums()
    {
        QFETCH(QList<PayRecord>, records);
        QFETCH(Sums, sums);
        const QList<MonthTotal> months =
            PaymentMonths::sum(records, QDate(2026, 1, 15), QDate(2026, 3, 10));
        QCOMPARE(sumsOf(months), sums);
        QCOMPARE(PaymentMonths::total(months),
                 std::accumulate(sums.begin(), sums.end(), qint64(0),
                                 [](qint64 sum, const auto &month) { return sum + month.second; }));
    }

    void yearTotal()
    {
        QList<PayRecord> records;
        for (int month = 1; month <= 12; ++month)
            records.append(paid(QDate(2026, month, 28).toString(u"yyyy-MM-dd"_s), u"0.10"_s));
        records.append(paid(u"2026-12-31"_s, u"864.80"_s));
        const QList<MonthTotal> months = PaymentMonths::sum(
            records, PaymentMonths::yearStart(QDate(2026, 12, 31)), QDate(2026, 12, 31));
        QCOMPARE(months.size(), 12);
        QCOMPARE(PaymentMonths::total(months), 12 * 10 + 86480);
        QCOMPARE(months.last().fen, 86490);
    }

    void twelveMonthsUpToToday_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("start");
        QTest::newRow("December") << QDate(2026, 12, 7) << QDate(2026, 1, 1);
        QTest::newRow("January") << QDate(2026, 1, 31) << QDate(2025, 2, 1);
        QTest::newRow("last day of February") << QDate(2024, 2, 29) << QDate(2023, 3, 1);
    }
    void twelveMonthsUpToToday()
    {
        QFETCH(QDate, today);
        QFETCH(QDate, start);
        QCOMPARE(PaymentMonths::yearStart(today), start);
        QCOMPARE(PaymentMonths::sum({}, start, today).size(), 12);
    }
};

QTEST_GUILESS_MAIN(TestPaymentMonths)
#include "tst_paymentmonths.moc"
