#include "Settlement.h"

#include "SandboxLog.h"
#include "Store.h"

#include <QDateTime>

using namespace Qt::StringLiterals;

namespace sandbox {

namespace {

const QString unknownOrder = u"订单不存在"_s;
const QString alreadyPaid = u"订单已支付"_s;
const QString billsPaidMeanwhile = u"账单已缴清"_s;
const QString packetGone = u"红包已使用或已过期"_s;
const QString databaseFailed = u"系统繁忙，请稍后再试"_s;

struct PendingOrder
{
    QString userbh, device, hbid;
    qint64 spayFen = 0;
};

// Marks the order's bills paid; false when any of them was paid by another order first.
std::optional<bool> payBills(const Store &store, const QString &prepayId)
{
    std::optional<QSqlQuery> ordered =
        store.run(u"SELECT count(*) FROM order_bills WHERE prepay_id = ?"_s, {prepayId});
    std::optional<QSqlQuery> paid =
        store.run(u"UPDATE bills SET paid = 1, received_fen = amount_fen + penalty_fen "
                  "WHERE paid = 0 AND rcvbl_amt_id IN "
                  "(SELECT rcvbl_amt_id FROM order_bills WHERE prepay_id = ?)"_s,
                  {prepayId});
    if (!ordered || !ordered->next() || !paid)
        return std::nullopt;
    return paid->numRowsAffected() == ordered->value(0).toInt();
}

// Marks the red packet used by this order; false when it was used or expired meanwhile.
std::optional<bool> usePacket(const Store &store, const QString &hbid, const QString &prepayId)
{
    std::optional<QSqlQuery> used =
        store.run(u"UPDATE red_packets SET used = 1, used_by = ? "
                  "WHERE hbid = ? AND used = 0 AND valid_until >= ?"_s,
                  {prepayId, hbid, QDate::currentDate().toString(Qt::ISODate)});
    if (!used)
        return std::nullopt;
    return used->numRowsAffected() == 1;
}

} // namespace

std::optional<QString> settleOrder(const Store &store, const QString &prepayId)
{
    Transaction transaction(store);
    std::optional<QSqlQuery> row = store.run(
        u"SELECT userbh, device_uuid, hbid, spay_fen, state FROM orders WHERE prepay_id = ?"_s,
        {prepayId});
    if (!transaction.isActive() || !row)
        return databaseFailed;
    if (!row->next())
        return unknownOrder;
    if (row->value(4).toString() != u"created")
        return alreadyPaid;
    const PendingOrder order{row->value(0).toString(), row->value(1).toString(),
                             row->value(2).toString(), row->value(3).toLongLong()};

    const std::optional<bool> billsPaid = payBills(store, prepayId);
    if (!billsPaid)
        return databaseFailed;
    if (!*billsPaid)
        return billsPaidMeanwhile;
    if (!order.hbid.isEmpty()) {
        const std::optional<bool> packetUsed = usePacket(store, order.hbid, prepayId);
        if (!packetUsed)
            return databaseFailed;
        if (!*packetUsed)
            return packetGone;
    }

    const QDateTime now = QDateTime::currentDateTime();
    // paid_on in the form the payment record query selects by, "yyyy-MM-dd".
    if (!store.run(u"INSERT INTO payments (device_uuid, userbh, paid_on, amount_fen, prepay_id) "
                   "VALUES (?, ?, ?, ?, ?)"_s,
                   {order.device, order.userbh, now.date().toString(Qt::ISODate), order.spayFen,
                    prepayId}) ||
        !store.run(u"UPDATE orders SET state = 'paid', settled_at = ? WHERE prepay_id = ?"_s,
                   {now.toString(Qt::ISODate), prepayId}) ||
        !transaction.commit())
        return databaseFailed;

    qCInfo(lcSandbox).noquote() << "order" << prepayId << "paid:" << order.spayFen << "fen for"
                                << order.userbh;
    return std::nullopt;
}

} // namespace sandbox
