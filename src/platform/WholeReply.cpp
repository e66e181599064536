#include "WholeReply.h"

#include "PlatformLog.h"

#include <QNetworkReply>
#include <QPointer>

void deliverWhole(QNetworkReply *reply, QObject *context, qint64 limit,
                  std::function<void(const QByteArray &body)> onBody,
                  std::function<void(const QString &reason)> onFailure)
{
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [reply, limit](qint64 received, qint64 total) {
                         // An announced length over the limit is refused at the first bytes,
                         // before the body is held in memory.
                         if (received > limit || total > limit) {
                             qCWarning(lcPlatform) << "reply from" << reply->url().host()
                                                   << "exceeds" << limit << "bytes; dropped";
                             reply->setProperty("tarvoTooLarge", true);
                             reply->abort();
                         }
                     });
    QObject::connect(
        reply, &QNetworkReply::finished, reply,
        [reply, receiver = QPointer<QObject>(context), onBody = std::move(onBody),
         onFailure = std::move(onFailure)] {
            reply->deleteLater();
            if (!receiver)
                return;
            // A status with an HTTP error is a body like any other; a connection lost or
            // timed out after the status line leaves a body cut short, which is no reply.
            const QNetworkReply::NetworkError error = reply->error();
            const bool failed =
                reply->property("tarvoTooLarge").toBool() ||
                (error != QNetworkReply::NoError &&
                 (error < QNetworkReply::ContentAccessDenied ||
                  !reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()));
            if (failed) {
                qCInfo(lcPlatform) << "exchange with" << reply->url().host() << reply->url().path()
                                   << "failed:" << reply->errorString();
                if (onFailure)
                    onFailure(reply->errorString());
                return;
            }
            if (onBody)
                onBody(reply->readAll());
        });
}
