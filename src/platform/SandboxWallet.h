#pragma once

#include "WalletSdk.h"

/// The wallet on a desktop, where the company sandbox plays the wallet app.
///
/// The wallet returns to the app with "<appId>://pay/?ret=<errCode>&returnKey=...",
/// optionally with errStr and type; the app id is the registered one.
class SandboxWallet final : public WalletSdk
{
public:
    void registerApp(const QString &appId, const QString &description) override;
    bool handleOpenURL(const QUrl &url, WXApiDelegate *delegate) override;
    bool isWXAppInstalled() const override { return true; }
    bool isWXAppSupportApi() const override { return true; }
    bool sendReq(const PayReq &request) override;

private:
    QString m_appId;
};
