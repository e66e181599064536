#include "ServiceClient.h"

#include "Envelope.h"
#include "ServiceLog.h"
#include "platform/Transport.h"

#include <QTimer>

ServiceClient::ServiceClient(Transport *transport, QUrl serviceUrl)
    : m_transport(transport)
    , m_serviceUrl(std::move(serviceUrl))
{}

void ServiceClient::call(ServiceOperation operation, const QHash<QString, QString> &fields,
                         QObject *receiver, ReplyHandler onReply, FailureHandler onFailure,
                         ServiceReply::Reading reading)
{
    const QString &name = operationInfo(operation).name;
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it) {
        if (!Envelope::canCarry(it.value())) {
            // The service could not read such an envelope; it ends here as no reply would.
            qCWarning(lcService) << name << "not sent: field" << it.key()
                                 << "holds characters XML cannot carry";
            QTimer::singleShot(0, receiver, [onFailure = std::move(onFailure)] {
                if (onFailure)
                    onFailure();
            });
            return;
        }
    }
    qCDebug(lcService) << "sending" << name;
    m_transport->post(
        m_serviceUrl, QByteArrayLiteral("text/xml;charset=utf-8"),
        Envelope::body(operation, fields), receiver,
        [operation, reading, onReply = std::move(onReply)](const QByteArray &body) {
            if (onReply)
                onReply(ServiceReply::unwrap(operation, body, reading));
        },
        [name, onFailure = std::move(onFailure)](const QString &reason) {
            qCInfo(lcService) << "no reply to" << name << "-" << reason;
            if (onFailure)
                onFailure();
        });
}
