#pragma once

#include <QString>

/// A payment request for the wallet app, signed by the merchant.
// Kept name (traceability): see docs/names.md
struct PayReq
{
    // Kept name (traceability): see docs/names.md
    QString partnerId;
    QString prepayId;
    QString package;
    QString nonceStr;
    quint32 timeStamp = 0;
    QString sign;
};
