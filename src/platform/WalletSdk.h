#pragma once

#include "PayReq.h"

#include <QString>
#include <QUrl>

class WXApiDelegate;

/// The wallet (WeChat open SDK) as the app sees it: registration, payment, the way back in.
class WalletSdk
{
public:
    virtual ~WalletSdk() = default;

    /// Makes this app known to the wallet under its app id; needed before any payment.
    // Kept name (traceability): see docs/names.md
    virtual void registerApp(const QString &appId, const QString &description) = 0;
    /// Interprets a URL the wallet opened this app with. When it carries a response, the
    /// delegate receives it. False when the URL is not the wallet's.
    // Kept name (traceability): see docs/names.md
    virtual bool handleOpenURL(const QUrl &url, WXApiDelegate *delegate) = 0;

    // Kept name (traceability): see docs/names.md
    virtual bool isWXAppInstalled() const = 0;
    /// Whether the installed wallet app takes requests from apps.
    // Kept name (traceability): see docs/names.md
    virtual bool isWXAppSupportApi() const = 0;
    /// Opens the wallet app with the payment for the customer to confirm; the outcome comes
    /// back later as a URL through handleOpenURL. False when the wallet could not be opened.
    // Kept name (traceability): see docs/names.md
    virtual bool sendReq(const PayReq &request) = 0;
};
