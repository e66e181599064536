#include "OrderCreation.h"

#include "BillingLog.h"
#include "PayRequest.h"
#include "service/DocumentDictionary.h"
#include "service/ServiceClient.h"

using namespace Qt::StringLiterals;

OrderCreation::OrderCreation(ServiceClient *client, WalletSdk *wallet, const Clock *clock,
                             QObject *parent)
    : QObject(parent)
    , m_client(client)
    , m_wallet(wallet)
    , m_clock(clock)
{}

void OrderCreation::start(const OrderRequest &order, Completion done)
{
    m_client->call(
        ServiceOperation::createOrder, order.fields(), this,
        [this, done](const ServiceReply &reply) {
            if (const std::optional<QString> prepayId = prepayIdOf(reply.replyDocument))
                emit ordered(*prepayId);
            const Outcome outcome = handOff(reply.replyDocument, *m_wallet, *m_clock);
            if (done)
                done(outcome);
        },
        [done] {
            if (done)
                done({false, {}, u"网络异常!"_s, false, {}});
        });
}

std::optional<QString> OrderCreation::prepayIdOf(const std::optional<QVariantMap> &replyDocument)
{
    if (!replyDocument)
        return std::nullopt;
    // Kept name (wire): see docs/names.md
    const std::optional<QString> prepayId =
        DocumentDictionary::textAt(*replyDocument, {u"info", u"prepay_id"});
    // The wallet cannot do anything with a request that names no order.
    if (!prepayId || prepayId->isEmpty())
        return std::nullopt;
    return prepayId;
}

std::optional<QString> OrderCreation::refusalOf(const std::optional<QVariantMap> &replyDocument)
{
    if (!replyDocument)
        return std::nullopt;
    // Kept name (wire): see docs/names.md
    const QString reason = DocumentDictionary::textAt(*replyDocument, {u"info", u"resultMsg"})
                               .value_or(QString())
                               .trimmed();
    if (reason.isEmpty())
        return std::nullopt;
    return reason;
}

OrderCreation::Outcome OrderCreation::handOff(const std::optional<QVariantMap> &replyDocument,
                                              WalletSdk &wallet, const Clock &clock)
{
    const std::optional<QString> prepayId = prepayIdOf(replyDocument);
    if (!prepayId) {
        // A customer told only to try later would retry what can never work (the bill is
        // paid, the red packet has expired...): the service's reason is shown when it gives one.
        const std::optional<QString> reason = refusalOf(replyDocument);
        qCInfo(lcBilling).noquote()
            << "order reply without a prepay id" << reason.value_or(u"and without a reason"_s);
        if (reason)
            return {false, {}, tr("订单创建失败：%1").arg(*reason), true, reason};
        return {false, {}, tr("订单创建失败，请稍后再试"), true, {}};
    }
    sendPayRequest(*prepayId, wallet, clock);
    return {true, *prepayId, {}, true, {}};
}
