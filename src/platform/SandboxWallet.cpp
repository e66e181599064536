#include "SandboxWallet.h"

#include "PlatformLog.h"
#include "WXApiDelegate.h"

#include <QUrlQuery>

using namespace Qt::StringLiterals;

void SandboxWallet::registerApp(const QString &appId, const QString &description)
{
    m_appId = appId;
    qCDebug(lcPlatform) << "wallet app id registered for" << description;
}

bool SandboxWallet::handleOpenURL(const QUrl &url, WXApiDelegate *delegate)
{
    // QUrl keeps schemes in lower case; app ids are compared the same way.
    if (m_appId.isEmpty() || url.scheme().compare(m_appId, Qt::CaseInsensitive) != 0 ||
        url.host() != u"pay"_s || (!url.path().isEmpty() && url.path() != u"/"_s))
        return false;

    const QUrlQuery query(url);
    bool isNumber = false;
    const int errCode = query.queryItemValue(u"ret"_s).toInt(&isNumber);
    if (!isNumber)
        return false;

    PayResp resp;
    resp.errCode = errCode;
    resp.errStr = query.queryItemValue(u"errStr"_s, QUrl::FullyDecoded);
    resp.returnKey = query.queryItemValue(u"returnKey"_s, QUrl::FullyDecoded);
    resp.type = query.queryItemValue(u"type"_s).toInt();
    if (delegate)
        delegate->onResp(resp);
    return true;
}

bool SandboxWallet::sendReq(const PayReq &request)
{
    qCInfo(lcPlatform) << "no wallet app to open for order" << request.prepayId;
    return false;
}
