#pragma once

#include "MessageAdmin.h"
#include "SoapService.h"
#include "WalletApp.h"
#include "Website.h"

#include <QHostAddress>
#include <QHttpServer>
#include <QObject>
#include <QSslCertificate>
#include <QSslKey>
#include <QUrl>
#include <optional>

namespace sandbox {

class Store;

/// The sandbox's HTTP side: the SOAP endpoint, its WSDL, the wallet app, the message
/// admin route and the company website.
///
/// Requests are served one at a time on the thread that owns the server (QHttpServer
/// runs on the event loop), which is also what keeps the SQLite store single-writer.
class SandboxServer : public QObject
{
    Q_OBJECT

public:
    // Kept name (wire): see docs/names.md
    static constexpr QLatin1StringView servicePath{"/trvo/ws/appService"};

    explicit SandboxServer(const Store &store, QObject *parent = nullptr);

    /// Serves HTTPS with this certificate and key from then on; call before listen().
    void useTls(const QSslCertificate &certificate, const QSslKey &key);

    /// Port 0 picks a free port. Gives the port listened on, or nothing.
    std::optional<quint16> listen(const QHostAddress &address, quint16 port);

    /// The endpoint's URL as listened on.
    QUrl serviceUrl() const;

private:
    HttpAnswer describe(const QHttpServerRequest &request) const;

    SoapService m_service;
    WalletApp m_wallet;
    MessageAdmin m_messages;
    Website m_website;
    QHttpServer m_http;
    QHostAddress m_address;
    QString m_scheme = QStringLiteral("http");
    quint16 m_port = 0;
};

} // namespace sandbox
