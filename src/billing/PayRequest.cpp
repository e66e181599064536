#include "PayRequest.h"

#include "BillingLog.h"
#include "WXUtil.h"
#include "common/DataMD5.h"
#include "common/WeChatConfig.h"
#include "platform/Clock.h"
#include "platform/WalletSdk.h"

#include <cmath>

namespace PayRequest {

PayReq build(const QString &prepayId, double secondsSinceEpoch)
{
    const qint64 seconds = qint64(std::trunc(secondsSinceEpoch));
    const QString timestampText = QString::number(seconds);

    PayReq request;
    request.partnerId = WeChatConfig::merchantId;
    request.prepayId = prepayId;
    request.timeStamp = quint32(seconds);
    request.nonceStr = WXUtil::md5(timestampText);
    request.package = WeChatConfig::package;
    request.sign =
        DataMD5().createMD5SingForPay(WeChatConfig::appId, request.partnerId, request.prepayId,
                                      request.package, request.nonceStr, request.timeStamp);
    return request;
}

} // namespace PayRequest

void sendPayRequest(const QString &prepayId, WalletSdk &wallet, const Clock &clock)
{
    qCInfo(lcBilling) << "handing order" << prepayId << "to the wallet";
    wallet.sendReq(PayRequest::build(prepayId, clock.secondsSinceEpoch()));
}
