#include "SandboxServer.h"

#include "MapTiles.h"
#include "SandboxLog.h"
#include "Wsdl.h"

#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

namespace sandbox {

namespace {

QHttpServerResponse toResponse(const HttpAnswer &answer)
{
    return QHttpServerResponse(answer.contentType, answer.body,
                               QHttpServerResponse::StatusCode(answer.status));
}

} // namespace

SandboxServer::SandboxServer(const Store &store, QObject *parent)
    : QObject(parent)
    , m_service(store)
    , m_wallet(store)
    , m_messages(store)
{
    m_http.route(QString(servicePath), QHttpServerRequest::Method::Post,
                 [this](const QHttpServerRequest &request) {
                     return toResponse(m_service.handle(request.body()));
                 });
    m_http.route(
        QString(servicePath), QHttpServerRequest::Method::Get,
        [this](const QHttpServerRequest &request) { return toResponse(describe(request)); });
    m_http.route(QString(WalletApp::path), QHttpServerRequest::Method::Post,
                 [this](const QHttpServerRequest &request) {
                     return toResponse(m_wallet.pay(request.body()));
                 });
    m_http.route(QString(MessageAdmin::path), QHttpServerRequest::Method::Post,
                 [this](const QHttpServerRequest &request) {
                     return toResponse(m_messages.add(request.remoteAddress(), request.body()));
                 });
    for (const QString &page : Website::pagePaths()) {
        m_http.route(page, QHttpServerRequest::Method::Get,
                     [this, page](const QHttpServerRequest &request) {
                         return toResponse(m_website.page(page, QUrlQuery(request.url())));
                     });
    }
    m_http.route(QString(Website::picturePrefix) + u"<arg>"_s, QHttpServerRequest::Method::Get,
                 [this](const QString &name, const QHttpServerRequest &) {
                     return toResponse(m_website.picture(name));
                 });
    m_http.route(QString(MapTiles::prefix) + u"<arg>/<arg>/<arg>.png"_s,
                 QHttpServerRequest::Method::Get,
                 [](int z, int x, int y, const QHttpServerRequest &) {
                     return toResponse(MapTiles::tile(z, x, y));
                 });
}

void SandboxServer::useTls(const QSslCertificate &certificate, const QSslKey &key)
{
    m_http.sslSetup(certificate, key);
    m_scheme = u"https"_s;
}

std::optional<quint16> SandboxServer::listen(const QHostAddress &address, quint16 port)
{
    const quint16 bound = m_http.listen(address, port);
    if (bound == 0)
        return std::nullopt;
    m_address = address;
    m_port = bound;
    return bound;
}

QUrl SandboxServer::serviceUrl() const
{
    QUrl url;
    url.setScheme(m_scheme);
    url.setHost(m_address.toString());
    url.setPort(m_port);
    url.setPath(QString(servicePath));
    return url;
}

HttpAnswer SandboxServer::describe(const QHttpServerRequest &request) const
{
    if (!QUrlQuery(request.url()).hasQueryItem(u"wsdl"_s))
        return {200, "text/plain; charset=utf-8",
                "tarvo-sandbox: POST SOAP 1.1 requests here; the WSDL is at ?wsdl\n"};

    // Tools call the address in the WSDL: give the one the client reached us by.
    QUrl address = serviceUrl();
    const QByteArray host = request.value("Host");
    if (!host.isEmpty()) {
        const QUrl reached(m_scheme + u"://"_s + QString::fromLatin1(host));
        if (reached.isValid() && !reached.host().isEmpty()) {
            address.setHost(reached.host());
            address.setPort(reached.port(m_port));
        }
    }
    qCDebug(lcSandbox) << "WSDL for" << address;
    return {200, "text/xml; charset=utf-8", wsdlDocument(address)};
}

} // namespace sandbox
