#include "PaymentMonths.h"

#include "RecordsLog.h"
#include "billing/Money.h"

using namespace Qt::StringLiterals;

namespace PaymentMonths {

namespace {

QDate monthOf(QDate day)
{
    return QDate(day.year(), day.month(), 1);
}

} // namespace

QDate yearStart(QDate today)
{
    return monthOf(today).addMonths(-11);
}

std::optional<QDate> paymentDay(const QString &jfrq)
{
    const QString text = jfrq.trimmed();
    if (text.size() > 10 && text[10] != u' ' && text[10] != u'T')
        return std::nullopt;
    const QDate day = QDate::fromString(text.left(10), u"yyyy-MM-dd"_s);
    if (!day.isValid())
        return std::nullopt;
    return day;
}

QList<MonthTotal> sum(const QList<PayRecord> &records, QDate first, QDate last)
{
    QList<MonthTotal> months;
    if (!first.isValid() || !last.isValid())
        return months;
    for (QDate month = monthOf(first); month <= last; month = month.addMonths(1))
        months.append({month, 0, {}});
    for (const PayRecord &record : records) {
        const std::optional<QDate> day = paymentDay(record.jfrq);
        // Strict: "12.5元" or "" is no amount, and a sum must not quietly take it as one.
        const std::optional<qint64> fen = Money::fenFromYuan(record.jfje.trimmed());
        if (!day || !fen) {
            qCWarning(lcRecords).noquote() << "payment left out of the monthly sums: date"
                                           << record.jfrq << "amount" << record.jfje;
            continue;
        }
        const qsizetype index = (day->year() - first.year()) * 12 + day->month() - first.month();
        if (index < 0 || index >= months.size()) {
            qCInfo(lcRecords).noquote() << "payment of" << record.jfrq << "outside the months";
            continue;
        }
        months[index].fen += *fen;
        months[index].payments.append(record);
    }
    return months;
}

qint64 total(const QList<MonthTotal> &months)
{
    qint64 fen = 0;
    for (const MonthTotal &month : months)
        fen += month.fen;
    return fen;
}

} // namespace PaymentMonths
