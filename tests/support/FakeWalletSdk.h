#pragma once

#include "platform/WXApiDelegate.h"
#include "platform/WalletSdk.h"

#include <QList>

/// Wallet that records registrations and payment requests and takes no URL.
class FakeWalletSdk final : public WalletSdk
{
public:
    struct Registration
    {
        QString appId;
        QString description;
    };

    void registerApp(const QString &appId, const QString &description) override
    {
        registrations.append({appId, description});
    }
    bool handleOpenURL(const QUrl &, WXApiDelegate *) override { return false; }
    bool isWXAppInstalled() const override { return installed; }
    bool isWXAppSupportApi() const override { return supportsApi; }
    bool sendReq(const PayReq &request) override
    {
        requests.append(request);
        return true;
    }

    QList<Registration> registrations;
    QList<PayReq> requests;
    bool installed = true;
    bool supportsApi = true;
};

/// Keeps every payment answer a wallet hands back to the app.
struct RecordingWalletDelegate final : WXApiDelegate
{
    void onResp(const PayResp &resp) override { responses.append(resp); }
    QList<PayResp> responses;
};
