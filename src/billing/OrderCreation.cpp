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
            const Outcome outcome = handOff(reply.replyDocument, *m_wallet, *m_clock);
            if (done)
                done(outcome);
        },
        [done] {
            if (done)
                done({false, {}, u"网络异常!"_s});
        });
}

std::optional<QString> OrderCreation::prepayIdOf(const std::optional<QVariantMap> &replyDocument)
{
    if (!replyDocument)
        return std::nullopt;
    const std::optional<QString> prepayId =
        DocumentDictionary::textAt(*replyDocument, {u"info", u"prepay_id"});
    // The wallet cannot do anything with a request that names no order.
    if (!prepayId || prepayId->isEmpty())
        return std::nullopt;
    return prepayId;
}

OrderCreation::Outcome OrderCreation::handOff(const std::optional<QVariantMap> &replyDocument,
                                              WalletSdk &wallet, const Clock &clock)
{
    const std::optional<QString> prepayId = prepayIdOf(replyDocument);
    if (!prepayId) {
        qCInfo(lcBilling) << "order reply without a prepay id";
        return {false, {}, u"订单创建失败，请稍后再试"_s};
    }
    sendPayRequest(*prepayId, wallet, clock);
    return {true, *prepayId, {}};
}
