#include "WholeReply.h"

#include "PlatformLog.h"

#include <QNetworkReply>
#include <QPointer>
#include <QSslError>
#include <QStringList>
#include <QTimer>

void limitExchange(QNetworkReply *reply, std::chrono::milliseconds deadline)
{
    // A transfer time-out only measures silence: a peer sending a byte every few seconds
    // would keep the customer waiting for ever.
    auto *timer = new QTimer(reply);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, reply, [reply, deadline] {
        qCWarning(lcPlatform) << "exchange with" << reply->url().host() << reply->url().path()
                              << "not complete after" << deadline.count() << "ms; ended";
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, timer, &QTimer::stop);
    timer->start(deadline);

    // Not calling ignoreSslErrors() makes the reply fail with SslHandshakeFailedError.
    QObject::connect(reply, &QNetworkReply::sslErrors, reply,
                     [reply](const QList<QSslError> &errors) {
                         QStringList texts;
                         for (const QSslError &error : errors)
                             texts.append(error.errorString());
                         qCWarning(lcPlatform).noquote() << "certificate of" << reply->url().host()
                                                         << "refused:" << texts.join(u"; ");
                     });
}

void deliverWhole(QNetworkReply *reply, QObject *context, qint64 limit,
                  std::chrono::milliseconds deadline,
                  std::function<void(const QByteArray &body)> onBody,
                  std::function<void(const QString &reason)> onFailure)
{
    limitExchange(reply, deadline);
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
