#pragma once

#include "WalletSdk.h"

#include <QJsonObject>
#include <QObject>
#include <QUrl>
#include <chrono>
#include <functional>

class QNetworkAccessManager;

/// Whether the wallet app is there to pay with, as the app would find it on a phone.
enum class WalletAvailability { installed, missing, unsupported };

/// The wallet on a desktop, where the company sandbox plays the wallet app.
///
/// A payment request is posted as JSON to the sandbox's wallet URL; the URL it answers with
/// is handed to the URL opener, as a phone would open the app with it. The wallet returns
/// to the app with "<appId>://pay/?ret=<errCode>&returnKey=...", optionally with errStr and
/// type; the app id is the registered one.
class SandboxWallet final : public QObject, public WalletSdk
{
    Q_OBJECT

public:
    SandboxWallet(QNetworkAccessManager *network, QUrl walletUrl,
                  WalletAvailability availability = WalletAvailability::installed);

    /// Receives the URL the wallet answers a payment request with, once per request.
    void setUrlOpener(std::function<void(const QUrl &)> opener);
    /// How long the wallet may take to answer, from the request to the answer's last byte,
    /// before the payment counts as failed.
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }

    /// The request as the wallet app receives it.
    static QJsonObject requestJson(const QString &appId, const PayReq &request);

    void registerApp(const QString &appId, const QString &description) override;
    bool handleOpenURL(const QUrl &url, WXApiDelegate *delegate) override;
    bool isWXAppInstalled() const override;
    bool isWXAppSupportApi() const override;
    bool sendReq(const PayReq &request) override;

private:
    void open(const QUrl &url);
    QUrl noAnswerUrl() const;

    QNetworkAccessManager *m_network;
    QUrl m_walletUrl;
    WalletAvailability m_availability;
    std::function<void(const QUrl &)> m_opener;
    std::chrono::milliseconds m_timeout{15'000};
    QString m_appId;
};
