#pragma once

#include "platform/PayReq.h"

#include <QString>

class Clock;
class WalletSdk;

/// Turning a prepay id into a signed payment request for the wallet app.
namespace PayRequest {

/// The request for this moment: the nonce is the digest of the whole seconds, so two
/// requests made within one second are identical.
PayReq build(const QString &prepayId, double secondsSinceEpoch);

} // namespace PayRequest

/// Builds, signs and hands the request to the wallet; its answer is not examined.
// Kept name (traceability): see docs/names.md
void sendPayRequest(const QString &prepayId, WalletSdk &wallet, const Clock &clock);
