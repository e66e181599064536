#pragma once

#include "ServiceOperation.h"
#include "ServiceReply.h"

#include <QHash>
#include <QObject>
#include <QUrl>
#include <functional>

class Transport;

/// Sends service operations and hands each sender its unwrapped reply.
///
/// The reply handler runs once, on the main thread, and only while the receiver
/// lives. Transport failures (no connection, time-out, oversized reply, refused
/// certificate) never reach the reply handler; a sender that must end a wait passes a
/// failure handler. A field that the envelope cannot carry (Envelope::canCarry) is not
/// sent and ends the call as a failure.
class ServiceClient
{
public:
    using ReplyHandler = std::function<void(const ServiceReply &reply)>;
    using FailureHandler = std::function<void()>;

    ServiceClient(Transport *transport, QUrl serviceUrl);

    const QUrl &serviceUrl() const { return m_serviceUrl; }

    void call(ServiceOperation operation, const QHash<QString, QString> &fields, QObject *receiver,
              ReplyHandler onReply, FailureHandler onFailure = {},
              ServiceReply::Reading reading = ServiceReply::Reading::document);

private:
    Transport *m_transport;
    QUrl m_serviceUrl;
};
