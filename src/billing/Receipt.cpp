#include "Receipt.h"

#include "LPPayDeatilViewController.h"
#include "Money.h"
#include "PaymentRows.h"

#include <QCoreApplication>
#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Receipt", text);
}

QString yuan(qint64 fen)
{
    return Money::yuanText(fen) + tr("元");
}

// Written and read back in one place, so the two never drift apart.
const QString timeFormat = u"yyyy-MM-dd HH:mm:ss"_s;

std::optional<qint64> fenOf(const QJsonValue &value)
{
    if (!value.isString())
        return std::nullopt;
    const QString text = value.toString();
    // A bill may be a credit: its amount is below zero.
    const bool negative = text.startsWith(u'-');
    const std::optional<qint64> fen =
        Money::fenFromDigits(negative ? QStringView(text).sliced(1) : QStringView(text));
    if (!fen)
        return std::nullopt;
    return negative ? -*fen : *fen;
}

} // namespace

Receipt Receipt::make(const PayModel &model, const OrderRequest &order,
                      const std::optional<RedPacketChoice> &packet)
{
    Receipt receipt;
    receipt.office = model.orgName;
    receipt.account = order.userbh;
    receipt.name = maskedName(model.consName);
    receipt.address = PaymentRows::maskedAddress(model.addr);
    for (const queryListModel &bill : model.queryList)
        receipt.bills.append({bill.rcvblYm, LPPayDeatilViewController::typeText(bill.rcvType),
                              Money::fenFromLeadingYuan(bill.rcvblAmt)});
    receipt.lateFeeFen = Money::fenFromLeadingYuan(model.totalPenAlty);
    // The order's own amounts: what the service was asked for is what was paid.
    receipt.totalFen = Money::fenFromDigits(order.ypay).value_or(0);
    receipt.paidFen = Money::fenFromDigits(order.spay).value_or(receipt.totalFen);
    if (packet && !order.hbid.isEmpty()) {
        receipt.redPacketName = packet->hbmc;
        receipt.redPacketFen = receipt.totalFen - receipt.paidFen;
    }
    return receipt;
}

QString Receipt::maskedName(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.size() < 2)
        return trimmed;
    if (trimmed.size() == 2)
        return trimmed.first(1) + u'*';
    return trimmed.first(1) + QString(trimmed.size() - 2, u'*') + trimmed.last(1);
}

QString Receipt::company()
{
    return tr("塔沃公用事业有限公司");
}

QString Receipt::heading()
{
    return tr("电子缴费凭证");
}

QList<ReceiptLine> Receipt::customerLines() const
{
    return {{tr("收费单位"), office},
            {tr("户号"), account},
            {tr("用户名称"), name},
            {tr("用户地址"), address}};
}

QList<ReceiptLine> Receipt::amountLines() const
{
    const QString packet = redPacketName.isEmpty() ? tr("未使用红包")
                                                   : redPacketName + u"  -"_s +
                                                         Money::yuanText(redPacketFen) + tr("元");
    return {{tr("违约金"), yuan(lateFeeFen)},
            {tr("红包"), packet},
            {tr("应缴金额"), yuan(totalFen)},
            {tr("实付金额"), yuan(paidFen)}};
}

QList<ReceiptLine> Receipt::orderLines() const
{
    return {{tr("下单时间"), orderTime.toString(timeFormat)}, {tr("订单号"), prepayId}};
}

QStringList Receipt::billColumns() const
{
    return {tr("月份"), tr("类别"), tr("金额(元)")};
}

QStringList Receipt::billCells(const ReceiptBill &bill)
{
    return {bill.month, bill.kind, Money::yuanText(bill.fen)};
}

QJsonObject Receipt::toJson() const
{
    QJsonArray billList;
    for (const ReceiptBill &bill : bills)
        billList.append(QJsonObject{{u"month"_s, bill.month},
                                    {u"kind"_s, bill.kind},
                                    {u"fen"_s, QString::number(bill.fen)}});
    // Amounts as digit texts: a JSON number is a double, and fen must stay whole.
    return {{u"office"_s, office},
            {u"account"_s, account},
            {u"name"_s, name},
            {u"address"_s, address},
            {u"bills"_s, billList},
            {u"lateFeeFen"_s, QString::number(lateFeeFen)},
            {u"redPacketName"_s, redPacketName},
            {u"redPacketFen"_s, QString::number(redPacketFen)},
            {u"totalFen"_s, QString::number(totalFen)},
            {u"paidFen"_s, QString::number(paidFen)},
            {u"orderTime"_s, orderTime.toString(Qt::ISODate)},
            {u"prepayId"_s, prepayId}};
}

std::optional<Receipt> Receipt::fromJson(const QJsonObject &object)
{
    Receipt receipt;
    const auto text = [&object](const QString &key) {
        return object.value(key).toString();
    };
    receipt.office = text(u"office"_s);
    receipt.account = text(u"account"_s);
    receipt.name = text(u"name"_s);
    receipt.address = text(u"address"_s);
    receipt.redPacketName = text(u"redPacketName"_s);
    receipt.prepayId = text(u"prepayId"_s);
    receipt.orderTime = QDateTime::fromString(text(u"orderTime"_s), Qt::ISODate);
    const std::optional<qint64> lateFee = fenOf(object.value(u"lateFeeFen"_s));
    const std::optional<qint64> packet = fenOf(object.value(u"redPacketFen"_s));
    const std::optional<qint64> total = fenOf(object.value(u"totalFen"_s));
    const std::optional<qint64> paid = fenOf(object.value(u"paidFen"_s));
    if (receipt.account.isEmpty() || !receipt.orderTime.isValid() || !lateFee || !packet ||
        !total || !paid || !object.value(u"bills"_s).isArray())
        return std::nullopt;
    receipt.lateFeeFen = *lateFee;
    receipt.redPacketFen = *packet;
    receipt.totalFen = *total;
    receipt.paidFen = *paid;
    for (const QJsonValue &value : object.value(u"bills"_s).toArray()) {
        const QJsonObject bill = value.toObject();
        const std::optional<qint64> fen = fenOf(bill.value(u"fen"_s));
        if (!fen)
            return std::nullopt;
        receipt.bills.append(
            {bill.value(u"month"_s).toString(), bill.value(u"kind"_s).toString(), *fen});
    }
    return receipt;
}
