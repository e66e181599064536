#include "FakeTransport.h"

#include <QTimer>

void FakeTransport::post(const QUrl &url, const QByteArray &contentType, const QByteArray &body,
                         QObject *context, ReplyHandler onReply, FailureHandler onFailure)
{
    m_requests.append({url, contentType, body, context, std::move(onReply), std::move(onFailure)});
    if (m_queued.isEmpty())
        return;
    const qsizetype index = m_requests.size() - 1;
    const QByteArray reply = m_queued.takeFirst();
    QTimer::singleShot(0, [this, index, reply] { respond(index, reply); });
}

void FakeTransport::respond(qsizetype index, const QByteArray &body)
{
    Request &request = m_requests[index];
    Q_ASSERT(!request.answered);
    request.answered = true;
    if (request.context && request.onReply)
        request.onReply(body);
}

void FakeTransport::fail(qsizetype index, const QString &reason)
{
    Request &request = m_requests[index];
    Q_ASSERT(!request.answered);
    request.answered = true;
    if (request.context && request.onFailure)
        request.onFailure(reason);
}
