#include "WholeReply.h"

#include "PlatformLog.h"

#include <QNetworkReply>
#include <QPointer>

void deliverWhole(QNetworkReply *reply, QObject *context, qint64 limit,
                  std::function<void(const QByteArray &body)> onBody,
                  std::function<void(const QString &reason)> onFailure)
{
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [reply, limit](qint64 received, qint64) {
                         if (received > limit) {
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
            const bool failed =
                reply->property("tarvoTooLarge").toBool() ||
                (reply->error() != QNetworkReply::NoError &&
                 !reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid());
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
