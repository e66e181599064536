#include "OrderCheck.h"

#include "Store.h"
#include "billing/Money.h"

#include <QDate>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace sandbox {

namespace {

// Shown to the customer by whoever reads resultMsg.
const QString noDevice = u"缺少设备标识"_s;
const QString unknownAccount = u"户号不存在"_s;
const QString malformedBills = u"缴费账单格式不正确"_s;
const QString repeatedBill = u"账单重复"_s;
const QString unknownBill = u"账单不存在"_s;
const QString anotherAccountsBill = u"账单不属于该户号"_s;
const QString wrongMonth = u"账单月份不符"_s;
const QString billPaid = u"账单已缴清"_s;
const QString wrongTotal = u"应缴金额与账单不符"_s;
const QString amountWithoutPacket = u"未使用红包却有红包金额"_s;
const QString unknownPacket = u"红包不存在"_s;
const QString packetUsed = u"红包已使用"_s;
const QString packetExpired = u"红包已过期"_s;
const QString wrongPacketAmount = u"红包金额不符"_s;
const QString wrongPayment = u"实缴金额不符"_s;

OrderRefusal refused(const QString &reason)
{
    return {reason, false};
}

OrderRefusal failed(const QString &what)
{
    return {what, true};
}

// Every entry, the last one included, is closed by "|"; a text without entries names no
// bill to pay, so it is refused as well.
std::optional<QList<OrderedBill>> readBills(const QString &text)
{
    if (!text.endsWith(u'|'))
        return std::nullopt;
    static const QRegularExpression entryPattern(u"^(\\d{6}):(.+)$"_s);
    QList<OrderedBill> bills;
    for (const QString &entry : text.chopped(1).split(u'|')) {
        const QRegularExpressionMatch match = entryPattern.match(entry);
        if (!match.hasMatch())
            return std::nullopt;
        bills.append({match.captured(1), match.captured(2)});
    }
    return bills;
}

// What the bills still owe in fen, late fees included, or why they cannot be paid.
std::variant<qint64, OrderRefusal> billTotal(const Store &store, const QString &userbh,
                                             const QList<OrderedBill> &bills)
{
    qint64 total = 0;
    QSet<QString> seen;
    for (const OrderedBill &bill : bills) {
        if (seen.contains(bill.id))
            return refused(repeatedBill);
        seen.insert(bill.id);
        std::optional<QSqlQuery> row = store.run(
            u"SELECT userbh, ym, amount_fen + penalty_fen - received_fen, paid FROM bills "
            "WHERE rcvbl_amt_id = ?"_s,
            {bill.id});
        if (!row)
            return failed(u"cannot read bills"_s);
        if (!row->next())
            return refused(unknownBill);
        if (row->value(0).toString() != userbh)
            return refused(anotherAccountsBill);
        if (row->value(1).toString() != bill.ym)
            return refused(wrongMonth);
        if (row->value(3).toInt() != 0)
            return refused(billPaid);
        total += row->value(2).toLongLong();
    }
    return total;
}

// The packet's amount in fen when it can pay part of this order, or why it cannot.
std::variant<qint64, OrderRefusal> packetAmount(const Store &store, const QString &hbid,
                                                const QString &hbje)
{
    std::optional<QSqlQuery> packet = store.run(
        u"SELECT amount_fen, used, valid_until FROM red_packets WHERE hbid = ?"_s, {hbid});
    if (!packet)
        return failed(u"cannot read red packets"_s);
    if (!packet->next())
        return refused(unknownPacket);
    if (packet->value(1).toInt() != 0)
        return refused(packetUsed);
    // Valid through its last day; ISO dates compare as texts.
    if (packet->value(2).toString() < QDate::currentDate().toString(Qt::ISODate))
        return refused(packetExpired);
    const qint64 amount = packet->value(0).toLongLong();
    if (Money::fenFromYuan(hbje) != amount)
        return refused(wrongPacketAmount);
    return amount;
}

} // namespace

std::variant<CheckedOrder, OrderRefusal> checkOrder(const Store &store, const Fields &fields)
{
    // Payment records are listed by device, so an order without one could never be found.
    if (fields.value(u"uuid"_s).isEmpty())
        return refused(noDevice);
    const QString userbh = fields.value(u"userbh"_s);
    std::optional<QSqlQuery> account =
        store.run(u"SELECT 1 FROM accounts WHERE userbh = ?"_s, {userbh});
    if (!account)
        return failed(u"cannot read accounts"_s);
    if (!account->next())
        return refused(unknownAccount);

    const std::optional<QList<OrderedBill>> bills = readBills(fields.value(u"rcvblAmtId"_s));
    if (!bills)
        return refused(malformedBills);
    CheckedOrder order;
    order.bills = *bills;
    const std::variant<qint64, OrderRefusal> total = billTotal(store, userbh, *bills);
    if (const auto *refusal = std::get_if<OrderRefusal>(&total))
        return *refusal;
    order.ypayFen = std::get<qint64>(total);
    if (Money::fenFromDigits(fields.value(u"ypay"_s)) != order.ypayFen)
        return refused(wrongTotal);

    const QString hbid = fields.value(u"hbid"_s);
    const QString hbje = fields.value(u"hbje"_s);
    if (hbid.isEmpty() && !hbje.isEmpty())
        return refused(amountWithoutPacket);
    if (!hbid.isEmpty()) {
        const std::variant<qint64, OrderRefusal> packet = packetAmount(store, hbid, hbje);
        if (const auto *refusal = std::get_if<OrderRefusal>(&packet))
            return *refusal;
        order.hbjeFen = std::get<qint64>(packet);
    }
    // A packet worth more than the bills pays them whole; the rest of it is forfeit.
    order.spayFen = std::max<qint64>(0, order.ypayFen - order.hbjeFen);
    if (Money::fenFromDigits(fields.value(u"spay"_s)) != order.spayFen)
        return refused(wrongPayment);
    return order;
}

} // namespace sandbox
