#pragma once

#include "platform/AppOptions.h"

#include <QStringList>
#include <optional>

/// The commands that walk the road of a payment: query, sign, pay.
namespace BillingCommands {

struct PayOptions
{
    QString user;     ///< whose red packet is used
    QString packetId; ///< which one; empty for none
    QString deviceId; ///< the payer's device identifier; empty: the one in the home folder
    bool tamper = false;
    QString receiptFile; ///< where the receipt of a successful payment goes; empty for none
};

/// `query ACCOUNT`: the outcome and the eight rows of the payment screen.
int query(const QStringList &arguments, const AppOptions &options, bool json);
/// `sign PREPAY_ID`: the six fields of the signed payment request.
int sign(const QStringList &arguments, std::optional<double> time, bool json);
/// `pay ACCOUNT`: query, red packet, order, signature, wallet; the wallet's result code, and
/// the receipt's PDF when asked for.
int pay(const QStringList &arguments, const AppOptions &options, const PayOptions &payOptions,
        bool json);

} // namespace BillingCommands
