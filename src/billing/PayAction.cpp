#include "PayAction.h"

#include "BillingLog.h"
#include "LPWithholdAlertView.h"
#include "OrderCreation.h"
#include "PaymentResults.h"
#include "ReceiptViewController.h"
#include "WithholdingAgreement.h"
#include "platform/Clock.h"
#include "platform/WalletSdk.h"
#include "service/Envelope.h"
#include "shell/ScreenServices.h"

#include <QPointer>

PayAction::Payment PayAction::Payment::of(const QString &account, const QString &deviceId,
                                          const PayModel &model,
                                          const std::optional<RedPacketChoice> &packet)
{
    const OrderRequest order = OrderRequest::make(account, deviceId, model, packet);
    return {order, Receipt::make(model, order, packet)};
}

PayAction::PayAction(Navigator *navigator, const ScreenServices &services, QObject *screen)
    : QObject(screen)
    , m_navigator(navigator)
    , m_wallet(services.wallet)
    , m_clock(services.clock)
    , m_receipts(services.receipts)
    , m_creation(new OrderCreation(services.account.service, services.wallet, services.clock, this))
{
    connect(m_creation, &OrderCreation::ordered, this, [this](const QString &prepayId) {
        if (m_awaited)
            m_awaited->receipt.prepayId = prepayId;
    });
    if (services.paymentResults)
        connect(services.paymentResults, &PaymentResults::payResp, this, &PayAction::showOutcome);
}

void PayAction::pay(PaymentMaker makePayment)
{
    if (!m_wallet->isWXAppInstalled()) {
        m_navigator->notice(tr("你的手机没有安装微信,请下载微信后使用微信支付!"));
        return;
    }
    if (!m_wallet->isWXAppSupportApi()) {
        m_navigator->notice(tr("你的微信不支持微信支付"));
        return;
    }
    QPointer<PayAction> self(this);
    auto *prompt =
        new LPWithholdAlertView(m_navigator, WithholdingAgreement::text(), [self, makePayment] {
            if (self)
                self->createOrder(makePayment());
        });
    prompt->show();
}

QString PayAction::unreadableAccount()
{
    return tr("户号中含有无法识别的字符，请检查后重新输入");
}

void PayAction::createOrder(const Payment &payment)
{
    // The account is what the customer typed; the other fields come from replies.
    if (!Envelope::canCarry(payment.order.userbh)) {
        qCInfo(lcBilling) << "account number with control characters not ordered";
        m_navigator->notice(unreadableAccount());
        return;
    }
    m_navigator->showProgress(tr("正在创建订单"));
    // Waiting starts before the hand-off: a wallet may answer before sendReq returns. The
    // order time is when the customer confirmed it.
    m_awaited = payment;
    m_awaited->receipt.orderTime =
        QDateTime::fromMSecsSinceEpoch(qint64(m_clock->secondsSinceEpoch() * 1000));
    m_creation->start(payment.order, [this](const OrderCreation::Outcome &outcome) {
        m_navigator->hideProgress();
        if (outcome.handedOff)
            return;
        m_awaited.reset();
        m_navigator->notice(outcome.message);
    });
}

void PayAction::showOutcome(int errCode)
{
    if (!m_awaited)
        return;
    const Payment payment = *m_awaited;
    m_awaited.reset();
    qCInfo(lcBilling) << "wallet answered with errCode" << errCode;
    QString message = PaymentResults::describe(errCode);
    QList<AlertButton> buttons;
    if (errCode == 0)
        buttons = keepReceipt(payment.receipt, &message);
    else
        buttons = {{tr("确定"), {}}};
    m_navigator->alert(tr("支付结果"), message, buttons);
}

QList<AlertButton> PayAction::keepReceipt(const Receipt &receipt, QString *message)
{
    const QString account = receipt.account;
    QPointer<PayAction> self(this);
    const AlertButton done{tr("确定"), [self, account] {
                               if (self)
                                   emit self->paid(account);
                           }};
    if (!m_receipts)
        return {done};
    const ReceiptFolder::Saved saved = m_receipts->keep(receipt);
    if (!saved.error.isEmpty()) {
        // The payment stands whatever became of its receipt; the customer learns both.
        *message += u'\n' + tr("电子凭证未能保存：%1").arg(saved.error);
        return {done};
    }
    return {done, {tr("查看凭证"), [self, kept = saved.kept, account] {
                       if (self)
                           self->showReceipt(kept, account);
                   }}};
}

void PayAction::showReceipt(const KeptReceipt &kept, const QString &account)
{
    auto *screen = new ReceiptViewController(m_navigator, kept, m_receipts);
    // The paying screen looks at the account again once the customer is back from the
    // receipt: its answer would otherwise pop up over the receipt.
    connect(screen, &QObject::destroyed, this, [this, account] { emit paid(account); });
    m_navigator->push(screen, true);
}
