#pragma once

#include "platform/Transport.h"

#include <QList>
#include <QPointer>

/// Records every request and answers from a queue of canned replies.
///
/// With a reply queued, the next post is answered on the next turn of the event
/// loop, as a real exchange would be; without one the request stays pending until
/// the test calls respond() or fail().
class FakeTransport final : public Transport
{
public:
    struct Request
    {
        QUrl url;
        QByteArray contentType;
        QByteArray body;
        QPointer<QObject> context;
        ReplyHandler onReply;
        FailureHandler onFailure;
        bool answered = false;
    };

    void post(const QUrl &url, const QByteArray &contentType, const QByteArray &body,
              QObject *context, ReplyHandler onReply, FailureHandler onFailure) override;

    void enqueueReply(const QByteArray &body) { m_queued.append(body); }
    void respond(qsizetype index, const QByteArray &body);
    void fail(qsizetype index, const QString &reason = QStringLiteral("connection refused"));

    const QList<Request> &requests() const { return m_requests; }
    const Request &lastRequest() const { return m_requests.constLast(); }

private:
    QList<Request> m_requests;
    QList<QByteArray> m_queued;
};
