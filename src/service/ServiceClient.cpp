#include "ServiceClient.h"

#include "Envelope.h"
#include "ServiceLog.h"
#include "platform/Transport.h"

ServiceClient::ServiceClient(Transport *transport, QUrl serviceUrl)
    : m_transport(transport)
    , m_serviceUrl(std::move(serviceUrl))
{}

void ServiceClient::call(ServiceOperation operation, const QHash<QString, QString> &fields,
                         QObject *receiver, ReplyHandler onReply, FailureHandler onFailure)
{
    qCDebug(lcService) << "sending" << operationInfo(operation).name;
    m_transport->post(
        m_serviceUrl, QByteArrayLiteral("text/xml;charset=utf-8"),
        Envelope::body(operation, fields), receiver,
        [operation, onReply = std::move(onReply)](const QByteArray &body) {
            if (onReply)
                onReply(ServiceReply::unwrap(operation, body));
        },
        [onFailure = std::move(onFailure)](const QString &) {
            if (onFailure)
                onFailure();
        });
}
