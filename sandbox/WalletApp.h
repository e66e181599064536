#pragma once

#include "HttpAnswer.h"

#include <QByteArray>
#include <QLatin1StringView>

namespace sandbox {

class Store;

/// The wallet app, played by the sandbox: it takes the payment request the app hands over
/// (a JSON object: appid, partnerId, prepayId, package, nonceStr, timeStamp, sign), checks
/// the merchant signature and settles the order.
///
/// It answers {"url": ...} with the URL the wallet opens the app with:
/// "<appid>://pay/?ret=0&returnKey=<prepayId>" when paid, "ret=-1&errStr=<reason>" when not.
class WalletApp
{
public:
    static constexpr QLatin1StringView path{"/wallet/pay"};

    explicit WalletApp(const Store &store);

    HttpAnswer pay(const QByteArray &body) const;

private:
    const Store &m_store;
};

} // namespace sandbox
