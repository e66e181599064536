#pragma once

#include "OrderRequest.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class Clock;
class Navigator;
class OrderCreation;
class PaymentResults;
class ServiceClient;
class WalletSdk;

/// The pay action both payment screens share: the wallet check, the withholding agreement,
/// order creation under the progress overlay and the hand-off to the wallet. The screen that
/// handed a payment over, and only that one, shows the wallet's answer as "支付结果".
class PayAction : public QObject
{
    Q_OBJECT

public:
    using OrderMaker = std::function<OrderRequest()>;

    /// Lives as a child of its screen.
    PayAction(Navigator *navigator, ServiceClient *client, WalletSdk *wallet, const Clock *clock,
              PaymentResults *results, QObject *screen);

    /// `makeOrder` runs when the customer accepts the agreement, so the order carries the
    /// screen's values of that moment.
    void pay(OrderMaker makeOrder);

    /// What the customer is told when the typed account number holds control characters,
    /// which no request can carry.
    static QString unreadableAccount();

signals:
    /// The customer has read that the payment for `account` succeeded.
    void paid(const QString &account);

private:
    void createOrder(const OrderRequest &order);
    void showOutcome(int errCode);

    Navigator *m_navigator;
    WalletSdk *m_wallet;
    OrderCreation *m_creation;
    /// The account of the payment handed to the wallet whose answer is still due.
    std::optional<QString> m_awaitedAccount;
};
