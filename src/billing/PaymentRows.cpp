#include "PaymentRows.h"

#include "Money.h"

using namespace Qt::StringLiterals;

namespace PaymentRows {

namespace {

QString yuanWithSign(qint64 fen)
{
    return Money::yuanText(fen) + u"元"_s;
}

} // namespace

KindSums sumsByKind(const QList<queryListModel> &bills)
{
    KindSums sums;
    for (const queryListModel &bill : bills) {
        const qint64 fen = Money::fenFromLeadingYuan(bill.rcvblAmt);
        if (bill.rcvType == u"W"_s)
            sums.water += fen;
        else if (bill.rcvType == u"P"_s)
            sums.electricity += fen;
        else if (bill.rcvType == u"G"_s)
            sums.gas += fen;
    }
    return sums;
}

QString maskedAddress(const QString &address)
{
    if (address.size() < 8)
        return address;
    return address.first(3) + u'*' + address.last(3);
}

QStringList titles()
{
    return {u"用户名称:"_s, u"用户地址:"_s,   u"水费:"_s,     u"电费:"_s,
            u"气费:"_s,     u"违约金合计:"_s, u"红包信息:"_s, u"应缴金额:"_s};
}

bool accepts(const PayModel &model, const RedPacketChoice &packet)
{
    return Money::fenFromLeadingYuan(packet.hbje) <= Money::fenFromLeadingYuan(model.totalOweAmt);
}

QStringList values(const PayModel &model, const std::optional<RedPacketChoice> &packet)
{
    const KindSums sums = sumsByKind(model.queryList);
    const qint64 total = Money::fenFromLeadingYuan(model.totalOweAmt);
    QStringList rows = {
        model.consName,           maskedAddress(model.addr),
        yuanWithSign(sums.water), yuanWithSign(sums.electricity),
        yuanWithSign(sums.gas),   yuanWithSign(Money::fenFromLeadingYuan(model.totalPenAlty)),
        u"不使用红包"_s,          yuanWithSign(total),
    };
    if (packet) {
        rows[redPacket] = packet->hbmc + u"  "_s + packet->hbje + u"元"_s;
        // Once a packet is deducted the amount is shown bare, without the currency sign.
        rows[amountDue] = Money::yuanText(total - Money::fenFromLeadingYuan(packet->hbje));
    }
    return rows;
}

} // namespace PaymentRows
