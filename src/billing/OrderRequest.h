#pragma once

#include "PayModel.h"
#include "RedPacketChoice.h"

#include <QHash>
#include <QString>
#include <optional>

/// The values of one `createOrder` request; amounts in fen except the packet, in yuan.
struct OrderRequest
{
    // Kept name (traceability): see docs/names.md
    QString userbh;
    QString uuid;
    QString rcvblAmtId;
    QString ypay;
    QString spay;
    QString hbid;
    QString hbje;

    /// Every bill of the result is paid; a packet, when given, is deducted from the total.
    static OrderRequest make(const QString &account, const QString &deviceId, const PayModel &model,
                             const std::optional<RedPacketChoice> &packet = {});

    QHash<QString, QString> fields() const;
};
