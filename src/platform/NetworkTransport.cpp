#include "NetworkTransport.h"

#include "PlatformLog.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

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
    request.setTransferTimeout(int(m_timeout.count()));

    QNetworkReply *reply = m_manager->post(request, body);
    QPointer<QObject> receiver(context);

    QObject::connect(
        reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
            if (received > maximumReplySize) {
                qCWarning(lcPlatform) << "reply from" << reply->url().host() << "exceeds"
                                      << maximumReplySize << "bytes; dropped";
                reply->setProperty("tarvoTooLarge", true);
                reply->abort();
            }
        });
    QObject::connect(
        reply, &QNetworkReply::finished, reply,
        [reply, receiver, onReply = std::move(onReply), onFailure = std::move(onFailure)] {
            reply->deleteLater();
            if (!receiver)
                return;
            // The HTTP status is not examined: an error page is a body like any
            // other and simply fails to unwrap.
            const bool transportFailed =
                reply->property("tarvoTooLarge").toBool() ||
                (reply->error() != QNetworkReply::NoError &&
                 !reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid());
            if (transportFailed) {
                qCInfo(lcPlatform)
                    << "exchange with" << reply->url().host() << "failed:" << reply->errorString();
                if (onFailure)
                    onFailure(reply->errorString());
                return;
            }
            if (onReply)
                onReply(reply->readAll());
        });
}
