#include "PayAction.h"

#include "BillingLog.h"
#include "LPWithholdAlertView.h"
#include "OrderCreation.h"
#include "PaymentResults.h"
#include "WithholdingAgreement.h"
#include "platform/WalletSdk.h"
#include "service/Envelope.h"
#include "shell/Navigator.h"

#include <QPointer>

PayAction::PayAction(Navigator *navigator, ServiceClient *client, WalletSdk *wallet,
                     const Clock *clock, PaymentResults *results, QObject *screen)
    : QObject(screen)
    , m_navigator(navigator)
    , m_wallet(wallet)
    , m_creation(new OrderCreation(client, wallet, clock, this))
{
    if (results)
        connect(results, &PaymentResults::payResp, this, &PayAction::showOutcome);
}

void PayAction::pay(OrderMaker makeOrder)
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
        new LPWithholdAlertView(m_navigator, WithholdingAgreement::text(), [self, makeOrder] {
            if (self)
                self->createOrder(makeOrder());
        });
    prompt->show();
}

QString PayAction::unreadableAccount()
{
    return tr("户号中含有无法识别的字符，请检查后重新输入");
}

void PayAction::createOrder(const OrderRequest &order)
{
    // The account is what the customer typed; the other fields come from replies.
    if (!Envelope::canCarry(order.userbh)) {
        qCInfo(lcBilling) << "account number with control characters not ordered";
        m_navigator->notice(unreadableAccount());
        return;
    }
    m_navigator->showProgress(tr("正在创建订单"));
    // Waiting starts before the hand-off: a wallet may answer before sendReq returns.
    m_awaitedAccount = order.userbh;
    m_creation->start(order, [this](const OrderCreation::Outcome &outcome) {
        m_navigator->hideProgress();
        if (outcome.handedOff)
            return;
        m_awaitedAccount.reset();
        m_navigator->notice(outcome.message);
    });
}

void PayAction::showOutcome(int errCode)
{
    if (!m_awaitedAccount)
        return;
    const QString account = *m_awaitedAccount;
    m_awaitedAccount.reset();
    qCInfo(lcBilling) << "wallet answered with errCode" << errCode;
    QPointer<PayAction> self(this);
    m_navigator->alert(tr("支付结果"), PaymentResults::describe(errCode),
                       {{tr("确定"), [self, errCode, account] {
                             if (self && errCode == 0)
                                 emit self->paid(account);
                         }}});
}
