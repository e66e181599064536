#pragma once

#include "OrderRequest.h"

#include <QObject>
#include <functional>

class Clock;
class ServiceClient;
class WalletSdk;

/// Creates a WeChat Pay order at the company service and hands its prepay id to the wallet.
///
/// Every start ends in exactly one call of its completion: the order handed to the wallet,
/// or a message for the customer (no order, no prepay id, no reply in time).
class OrderCreation : public QObject
{
    Q_OBJECT

public:
    struct Outcome
    {
        bool handedOff = false;
        QString prepayId;
        QString message; ///< for the customer when not handed off
    };
    using Completion = std::function<void(const Outcome &outcome)>;

    OrderCreation(ServiceClient *client, WalletSdk *wallet, const Clock *clock,
                  QObject *parent = nullptr);

    void start(const OrderRequest &order, Completion done);

    /// The order's prepay id, when the reply names one.
    static std::optional<QString> prepayIdOf(const std::optional<QVariantMap> &replyDocument);
    /// Why the service made no order, when its reply says.
    static std::optional<QString> refusalOf(const std::optional<QVariantMap> &replyDocument);
    static Outcome handOff(const std::optional<QVariantMap> &replyDocument, WalletSdk &wallet,
                           const Clock &clock);

signals:
    /// The service made the order; sent before the hand-off, which the wallet may answer
    /// before it returns.
    void ordered(const QString &prepayId);

private:
    ServiceClient *m_client;
    WalletSdk *m_wallet;
    const Clock *m_clock;
};
