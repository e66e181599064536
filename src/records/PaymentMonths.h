#pragma once

#include "PayRecord.h"

#include <QDate>
#include <QList>
#include <optional>

/// One calendar month of payments: its first day, their sum in fen and the payments.
struct MonthTotal
{
    QDate month;
    qint64 fen = 0;
    QList<PayRecord> payments;
};

/// What this device paid month by month, summed exactly in fen.
namespace PaymentMonths {

/// The first day of the month eleven months before `today`'s: with today's month, twelve.
QDate yearStart(QDate today);

/// The day of a payment date as listed, "yyyy-MM-dd" (a time may follow after a blank or
/// a "T"); nothing when it is not a real day.
std::optional<QDate> paymentDay(const QString &jfrq);

/// Every month from `first`'s to `last`'s, in order, those without payments included. A
/// payment whose date or amount does not read, or whose month lies outside, counts nowhere
/// and is logged.
QList<MonthTotal> sum(const QList<PayRecord> &records, QDate first, QDate last);

qint64 total(const QList<MonthTotal> &months);

} // namespace PaymentMonths
