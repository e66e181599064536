#include "LoadRun.h"

#include "platform/NetworkTransport.h"
#include "service/DocumentDictionary.h"
#include "service/ServiceClient.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace LoadRun {

namespace {

constexpr int maximumSamples = 10;

// One unpaid bill of a seeded account: accepted however often it is ordered, since an
// order is only settled once the wallet pays it.
const QHash<QString, QString> orderFields = {{u"userbh"_s, u"1000001"_s},
                                             {u"uuid"_s, u"9B2E61D4-0C7A-4E3F-8A15-D6F0B3C29E87"_s},
                                             {u"rcvblAmtId"_s, u"202501:YS20250100002|"_s},
                                             {u"ypay"_s, u"6210"_s},
                                             {u"spay"_s, u"6210"_s}};
const QHash<QString, QString> queryFields = {{u"queryValue"_s, u"1000001"_s}};

class Client
{
public:
    Client(const QUrl &url, int requests, bool queriesOnly, Result &result,
           std::function<void()> onDone)
        : m_transport(&m_network)
        , m_service(&m_transport, url)
        , m_requests(requests)
        , m_queriesOnly(queriesOnly)
        , m_result(result)
        , m_onDone(std::move(onDone))
    {}

    void next()
    {
        if (m_index == m_requests) {
            m_onDone();
            return;
        }
        const int index = m_index++;
        const bool order = !m_queriesOnly && index % 2 == 1;
        ++m_result.sent;
        m_clock.start();
        m_service.call(
            order ? ServiceOperation::createOrder : ServiceOperation::queryExpense,
            order ? orderFields : queryFields, &m_context,
            [this, index, order](const ServiceReply &reply) {
                const QVariantMap document = reply.replyDocument.value_or(QVariantMap());
                const bool right =
                    order
                        ? DocumentDictionary::textAt(document, {u"info", u"prepay_id"}).has_value()
                        : DocumentDictionary::textAt(
                              document, {u"queryOweAmtYxResponse", u"returnMsg"}) == u"查询成功!"_s;
                if (right && order)
                    ++m_result.ordersAccepted;
                end(index, right ? QString() : u"unexpected answer"_s);
            },
            [this, index] { end(index, u"no reply"_s); });
    }

private:
    void end(int index, const QString &failure)
    {
        if (m_ended.contains(index)) {
            fail(u"answered twice"_s);
            return;
        }
        m_ended.insert(index);
        m_result.latenciesMs.append(m_clock.nsecsElapsed() / 1e6);
        if (failure.isEmpty())
            ++m_result.succeeded;
        else
            fail(failure);
        next();
    }

    void fail(const QString &reason)
    {
        ++m_result.failed;
        if (m_result.failureSamples.size() < maximumSamples)
            m_result.failureSamples.append(reason);
    }

    QNetworkAccessManager m_network;
    NetworkTransport m_transport;
    ServiceClient m_service;
    QObject m_context;
    QElapsedTimer m_clock;
    QSet<int> m_ended;
    int m_index = 0;
    const int m_requests;
    const bool m_queriesOnly;
    Result &m_result;
    std::function<void()> m_onDone;
};

} // namespace

double Result::percentile(double p) const
{
    if (latenciesMs.isEmpty())
        return 0;
    const auto rank = qsizetype(std::ceil(p / 100 * latenciesMs.size()));
    return latenciesMs.at(std::clamp<qsizetype>(rank - 1, 0, latenciesMs.size() - 1));
}

Result run(const Options &options)
{
    Result result;
    QEventLoop loop;
    int running = options.clients;
    std::vector<std::unique_ptr<Client>> clients;
    for (int i = 0; i < options.clients; ++i) {
        clients.push_back(std::make_unique<Client>(options.serviceUrl, options.requestsPerClient,
                                                   options.queriesOnly, result, [&running, &loop] {
                                                       if (--running == 0)
                                                           loop.quit();
                                                   }));
    }
    QElapsedTimer clock;
    clock.start();
    for (const auto &client : clients)
        client->next();
    if (running > 0)
        loop.exec();
    result.seconds = clock.nsecsElapsed() / 1e9;
    std::sort(result.latenciesMs.begin(), result.latenciesMs.end());
    return result;
}

} // namespace LoadRun
