#include "Operations.h"
#include "OrderCheck.h"
#include "SandboxLog.h"
#include "SoapWriter.h"
#include "Store.h"
#include "billing/Money.h"

#include <QDateTime>
#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace sandbox::Operations {

namespace {

// The app compares these character for character: note the full-width comma (U+FF0C)
// and exclamation mark (U+FF01) against the ASCII ones.
const QString querySucceeded = u"查询成功!"_s;
const QString noSuchAccount = u"Tarvo无此用户\uFF0C请检查输入用户号是否正确!"_s;
const QString owesNothing = u"用户欠费数据为0!"_s;
const QString noArrearsInformation = u"Tarvo无欠费信息\uFF01"_s;

OperationResult queryFailed(const QString &returnCode, const QString &message)
{
    // Kept name (wire): see docs/names.md
    return OperationResult::text(XmlBuilder(u"queryOweAmtYxResponse"_s)
                                     .element(u"replyCode"_s, u"01"_s)
                                     .element(u"returnCode"_s, returnCode)
                                     .element(u"returnMsg"_s, message)
                                     .finish());
}

struct Bill
{
    QString kind, ym, receivableId, dueDate, meterNo;
    qint64 amount, penalty, received, previousReading, currentReading;

    qint64 owed() const { return amount + penalty - received; }
};

Bill readBill(const QSqlQuery &row)
{
    return {row.value(u"kind"_s).toString(),          row.value(u"ym"_s).toString(),
            row.value(u"rcvbl_amt_id"_s).toString(),  row.value(u"due_date"_s).toString(),
            row.value(u"meter_no"_s).toString(),      row.value(u"amount_fen"_s).toLongLong(),
            row.value(u"penalty_fen"_s).toLongLong(), row.value(u"received_fen"_s).toLongLong(),
            row.value(u"prev_read"_s).toLongLong(),   row.value(u"cur_read"_s).toLongLong()};
}

// One bill entry: exactly twelve children and nothing else, because the app cuts the
// entries into records by counting fields.
void writeBill(XmlBuilder &xml, const Bill &bill)
{
    xml.open(u"queryList"_s)
        .element(u"oweAmt"_s, Money::yuanText(bill.owed()))
        .element(u"rcvType"_s, bill.kind)
        .element(u"rcvblAmt"_s, Money::yuanText(bill.amount))
        .element(u"rcvblAmtId"_s, bill.receivableId)
        .element(u"rcvblPenAlty"_s, Money::yuanText(bill.penalty))
        .element(u"rcvblYm"_s, bill.ym)
        .element(u"rcvedAmt"_s, Money::yuanText(bill.received))
        .element(u"tpq"_s, bill.dueDate)
        .element(u"meterNo"_s, bill.meterNo)
        .element(u"lastRead"_s, QString::number(bill.previousReading))
        .element(u"thisRead"_s, QString::number(bill.currentReading))
        .element(u"useQty"_s, QString::number(bill.currentReading - bill.previousReading))
        .close();
}

QString newPrepayId()
{
    // Shaped like a wallet's prepay id: "wx", the time, then random hex.
    QString id = u"wx"_s + QDateTime::currentDateTime().toString(u"yyyyMMddHHmmss"_s);
    for (int i = 0; i < 18; ++i)
        id += QString::number(QRandomGenerator::system()->bounded(16), 16);
    return id;
}

} // namespace

OperationResult queryExpense(const Store &store, const Fields &fields)
{
    const QString userbh = fields.value(u"queryValue"_s);
    std::optional<QSqlQuery> account =
        store.run(u"SELECT cons_name, addr, org_no, org_name, acct_org_no, acct_org_name, "
                  "prepay_fen, (SELECT count(*) FROM bills b WHERE b.userbh = a.userbh) "
                  "AS bill_count FROM accounts a WHERE userbh = ?"_s,
                  {userbh});
    if (!account)
        return OperationResult::failed(u"cannot read accounts"_s);
    if (!account->next())
        return queryFailed(u"0001"_s, noSuchAccount);
    if (account->value(u"bill_count"_s).toInt() == 0)
        return queryFailed(u"0003"_s, noArrearsInformation);

    std::optional<QSqlQuery> bills =
        store.run(u"SELECT * FROM bills WHERE userbh = ? AND paid = 0 "
                  "ORDER BY ym, CASE kind WHEN 'W' THEN 0 WHEN 'P' THEN 1 ELSE 2 END, id"_s,
                  {userbh});
    if (!bills)
        return OperationResult::failed(u"cannot read bills"_s);

    QList<Bill> owing;
    qint64 receivable = 0, penalty = 0, received = 0, owed = 0;
    while (bills->next()) {
        owing.append(readBill(*bills));
        receivable += owing.last().amount;
        penalty += owing.last().penalty;
        received += owing.last().received;
        owed += owing.last().owed();
    }
    if (owing.isEmpty())
        return queryFailed(u"0002"_s, owesNothing);

    XmlBuilder xml(u"queryOweAmtYxResponse"_s);
    xml.element(u"acctOrgName"_s, account->value(u"acct_org_name"_s).toString())
        .element(u"acctOrgNo"_s, account->value(u"acct_org_no"_s).toString())
        .element(u"addr"_s, account->value(u"addr"_s).toString())
        .element(u"consName"_s, account->value(u"cons_name"_s).toString())
        .element(u"consNo"_s, userbh)
        .element(u"orgName"_s, account->value(u"org_name"_s).toString())
        .element(u"orgNo"_s, account->value(u"org_no"_s).toString())
        .element(u"prePayAmt"_s, Money::yuanText(account->value(u"prepay_fen"_s).toLongLong()))
        .element(u"rcvblAmt"_s, Money::yuanText(receivable))
        .element(u"recordCount"_s, QString::number(owing.size()))
        .element(u"replyCode"_s, u"00"_s)
        .element(u"returnCode"_s, u"0000"_s)
        .element(u"returnMsg"_s, querySucceeded)
        .element(u"totalOweAmt"_s, Money::yuanText(owed))
        .element(u"totalPenAlty"_s, Money::yuanText(penalty))
        .element(u"totalRcvBlamt"_s, Money::yuanText(receivable))
        .element(u"totalRcvedAmt"_s, Money::yuanText(received))
        .open(u"queryList"_s);
    for (const Bill &bill : owing)
        writeBill(xml, bill);
    return OperationResult::text(xml.finish());
}

OperationResult createOrder(const Store &store, const Fields &fields)
{
    Transaction transaction(store);
    const std::variant<CheckedOrder, OrderRefusal> checked = checkOrder(store, fields);
    if (const auto *refusal = std::get_if<OrderRefusal>(&checked)) {
        if (refusal->databaseFailed)
            return OperationResult::failed(refusal->reason);
        qCInfo(lcSandbox).noquote()
            << "order for account" << fields.value(u"userbh"_s) << "refused:" << refusal->reason;
        // Without a prepay id the app tells the customer that no order was made.
        return OperationResult::text(XmlBuilder(u"info"_s)
                                         .element(u"resultCode"_s, u"0"_s)
                                         .element(u"resultMsg"_s, refusal->reason)
                                         .finish());
    }
    const CheckedOrder &order = std::get<CheckedOrder>(checked);

    QString prepayId;
    for (int attempt = 0; attempt < 5 && prepayId.isEmpty(); ++attempt) {
        const QString candidate = newPrepayId();
        std::optional<QSqlQuery> taken =
            store.run(u"SELECT 1 FROM orders WHERE prepay_id = ?"_s, {candidate});
        if (!taken)
            return OperationResult::failed(u"cannot read orders"_s);
        if (!taken->next())
            prepayId = candidate;
    }
    if (prepayId.isEmpty())
        return OperationResult::failed(u"no free prepay id"_s);

    if (!store.run(u"INSERT INTO orders (prepay_id, userbh, device_uuid, rcvbl_amt_ids, ypay_fen, "
                   "spay_fen, hbid, hbje_fen, drives, created_at) "
                   "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s,
                   {prepayId, fields.value(u"userbh"_s), fields.value(u"uuid"_s),
                    fields.value(u"rcvblAmtId"_s), order.ypayFen, order.spayFen,
                    fields.value(u"hbid"_s), order.hbjeFen, fields.value(u"drives"_s),
                    QDateTime::currentDateTime().toString(Qt::ISODate)}))
        return OperationResult::failed(u"cannot store the order"_s);
    for (const OrderedBill &bill : order.bills) {
        if (!store.run(u"INSERT INTO order_bills (prepay_id, rcvbl_ym, rcvbl_amt_id) "
                       "VALUES (?, ?, ?)"_s,
                       {prepayId, bill.ym, bill.id}))
            return OperationResult::failed(u"cannot store the order's receivables"_s);
    }
    if (!transaction.commit())
        return OperationResult::failed(u"cannot store the order"_s);

    qCInfo(lcSandbox).noquote() << "order" << prepayId << "for account"
                                << fields.value(u"userbh"_s);
    return OperationResult::text(XmlBuilder(u"info"_s).element(u"prepay_id"_s, prepayId).finish());
}

} // namespace sandbox::Operations
