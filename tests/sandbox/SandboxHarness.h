#pragma once

#include "service/ServiceOperation.h"
#include "service/ServiceReply.h"

#include <QByteArray>
#include <QHash>
#include <QNetworkAccessManager>
#include <QUrl>
#include <initializer_list>
#include <memory>

namespace sandbox {
class SandboxServer;
class Store;
} // namespace sandbox

/// A sandbox in this process on a free loopback port, called over real HTTP.
class SandboxHarness
{
public:
    struct Exchange
    {
        bool answered = false;
        int status = 0;
        QByteArray contentType;
        QByteArray body;
    };

    /// An empty file name starts from the seed in memory.
    explicit SandboxHarness(const QString &databaseFile = {});
    ~SandboxHarness();

    bool isListening() const { return m_listening; }
    sandbox::Store &store() { return *m_store; }
    QUrl serviceUrl() const;
    /// Where the sandbox plays the wallet app.
    QUrl walletUrl() const;

    /// A SOAP request body to the service.
    Exchange post(const QByteArray &body);
    Exchange post(const QUrl &url, const QByteArray &contentType, const QByteArray &body);
    Exchange get(const QUrl &url);

    /// The operation sent as the app sends it and the reply read as the app reads it.
    ServiceReply call(ServiceOperation operation, const QHash<QString, QString> &fields,
                      int *status = nullptr);

    /// The first value of a query on the store, such as a count; -1 when the query fails.
    int count(const QString &sql);

private:
    Exchange wait(class QNetworkReply *reply);

    std::unique_ptr<sandbox::Store> m_store;
    std::unique_ptr<sandbox::SandboxServer> m_server;
    QNetworkAccessManager m_network;
    bool m_listening = false;
};

/// The text at `path` in the reply's document, or `absent` (by default one that failure
/// messages tell from an empty text).
QString replyText(const ServiceReply &reply, std::initializer_list<QStringView> path,
                  const QString &absent = QStringLiteral("<absent>"));
