#include "NetworkTransport.h"

#include "WholeReply.h"

#include <QNetworkAccessManager>
#include <QNetworkRequest>

NetworkTransport::NetworkTransport(QNetworkAccessManager *manager,
                                   std::chrono::milliseconds timeout)
    : m_manager(manager)
    , m_timeout(timeout)
{}

void NetworkTransport::post(const QUrl &url, const QByteArray &contentType, const QByteArray &body,
                            QObject *context, ReplyHandler onReply, FailureHandler onFailure)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);

    deliverWhole(m_manager->post(request, body), context, maximumReplySize, m_timeout,
                 std::move(onReply), std::move(onFailure));
}
