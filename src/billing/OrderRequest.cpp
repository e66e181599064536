#include "OrderRequest.h"

#include "Money.h"

using namespace Qt::StringLiterals;

OrderRequest OrderRequest::make(const QString &account, const QString &deviceId,
                                const PayModel &model, const std::optional<RedPacketChoice> &packet)
{
    OrderRequest order;
    order.userbh = account;
    order.uuid = deviceId;
    for (const queryListModel &bill : model.queryList)
        order.rcvblAmtId += bill.rcvblYm + u':' + bill.rcvblAmtId + u'|';

    const qint64 total = Money::fenFromLeadingYuan(model.totalOweAmt);
    order.ypay = QString::number(total);
    order.spay = order.ypay;
    if (packet) {
        order.hbid = packet->hbid;
        order.hbje = packet->hbje;
        const qint64 deduction = Money::fenFromLeadingYuan(packet->hbje);
        if (!packet->hbje.isEmpty() && deduction <= total)
            order.spay = QString::number(total - deduction);
    }
    return order;
}

QHash<QString, QString> OrderRequest::fields() const
{
    // Kept name (wire): see docs/names.md
    return {{u"userbh"_s, userbh}, {u"uuid"_s, uuid}, {u"rcvblAmtId"_s, rcvblAmtId},
            {u"ypay"_s, ypay},     {u"spay"_s, spay}, {u"hbid"_s, hbid},
            {u"hbje"_s, hbje}};
}
