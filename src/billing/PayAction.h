#pragma once

#include "OrderRequest.h"
#include "Receipt.h"
#include "ReceiptFolder.h"
#include "shell/Navigator.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class Clock;
class OrderCreation;
class WalletSdk;
struct ScreenServices;

/// The pay action both payment screens share: the wallet check, the withholding agreement,
/// order creation under the progress overlay and the hand-off to the wallet. The screen that
/// handed a payment over, and only that one, shows the wallet's answer as "支付结果". A
/// successful payment's receipt is kept at once and can be opened from there.
class PayAction : public QObject
{
    Q_OBJECT

public:
    /// What the customer confirms: the order, and the receipt it gets once paid.
    struct Payment
    {
        OrderRequest order;
        Receipt receipt;

        /// Every bill of `model` for `account`, less the packet when one is given.
        static Payment of(const QString &account, const QString &deviceId, const PayModel &model,
                          const std::optional<RedPacketChoice> &packet = {});
    };
    using PaymentMaker = std::function<Payment()>;

    /// Lives as a child of its screen.
    PayAction(Navigator *navigator, const ScreenServices &services, QObject *screen);

    /// `makePayment` runs when the customer accepts the agreement, so the order carries the
    /// screen's values of that moment.
    void pay(PaymentMaker makePayment);

    /// What the customer is told when the typed account number holds control characters,
    /// which no request can carry.
    static QString unreadableAccount();

signals:
    /// The customer has read that the payment for `account` succeeded.
    void paid(const QString &account);

private:
    void createOrder(const Payment &payment);
    void showOutcome(int errCode);
    /// Keeps the receipt of the payment just made; the buttons of "支付结果" follow from it.
    QList<AlertButton> keepReceipt(const Receipt &receipt, QString *message);
    void showReceipt(const KeptReceipt &kept, const QString &account);

    Navigator *m_navigator;
    WalletSdk *m_wallet;
    const Clock *m_clock;
    ReceiptFolder *m_receipts;
    OrderCreation *m_creation;
    /// The payment handed to the wallet whose answer is still due.
    std::optional<Payment> m_awaited;
};
