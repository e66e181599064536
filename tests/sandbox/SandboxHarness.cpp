#include "SandboxHarness.h"

#include "SandboxServer.h"
#include "Store.h"
#include "WalletApp.h"
#include "service/DocumentDictionary.h"
#include "service/Envelope.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSqlQuery>
#include <QTimer>

using namespace Qt::StringLiterals;

SandboxHarness::SandboxHarness(const QString &databaseFile)
    : m_store(std::make_unique<sandbox::Store>(databaseFile))
    , m_server(std::make_unique<sandbox::SandboxServer>(*m_store))
{
    m_listening = m_store->isOpen() && m_server->listen(QHostAddress::LocalHost, 0).has_value();
}

SandboxHarness::~SandboxHarness() = default;

QUrl SandboxHarness::serviceUrl() const
{
    return m_server->serviceUrl();
}

SandboxHarness::Exchange SandboxHarness::wait(QNetworkReply *reply)
{
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(10'000);
    if (!reply->isFinished())
        loop.exec();

    Exchange exchange;
    exchange.answered = reply->isFinished();
    exchange.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    exchange.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    exchange.body = reply->readAll();
    reply->abort();
    reply->deleteLater();
    return exchange;
}

QUrl SandboxHarness::walletUrl() const
{
    QUrl url = serviceUrl();
    url.setPath(QString(sandbox::WalletApp::path));
    return url;
}

SandboxHarness::Exchange SandboxHarness::post(const QByteArray &body)
{
    return post(serviceUrl(), "text/xml;charset=utf-8", body);
}

SandboxHarness::Exchange SandboxHarness::post(const QUrl &url, const QByteArray &contentType,
                                              const QByteArray &body)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    return wait(m_network.post(request, body));
}

SandboxHarness::Exchange SandboxHarness::get(const QUrl &url)
{
    return wait(m_network.get(QNetworkRequest(url)));
}

ServiceReply SandboxHarness::call(ServiceOperation operation, const QHash<QString, QString> &fields,
                                  int *status)
{
    const Exchange exchange = post(Envelope::body(operation, fields));
    if (status)
        *status = exchange.status;
    return ServiceReply::unwrap(operation, exchange.body);
}

int SandboxHarness::count(const QString &sql)
{
    std::optional<QSqlQuery> query = m_store->run(sql);
    return query && query->next() ? query->value(0).toInt() : -1;
}

QString replyText(const ServiceReply &reply, std::initializer_list<QStringView> path,
                  const QString &absent)
{
    return (reply.replyDocument ? DocumentDictionary::textAt(*reply.replyDocument, path)
                                : std::nullopt)
        .value_or(absent);
}
