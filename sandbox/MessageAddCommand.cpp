#include "MessageAddCommand.h"

#include "MessageAdmin.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTextStream>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace sandbox {

int addMessage(quint16 port, const QString &title, const QString &text)
{
    QUrl url;
    url.setScheme(u"http"_s);
    url.setHost(u"127.0.0.1"_s);
    url.setPort(port);
    url.setPath(QString(MessageAdmin::path));
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    request.setTransferTimeout(10000);

    QNetworkAccessManager network;
    QNetworkReply *reply = network.post(
        request, QJsonDocument(QJsonObject{{u"title"_s, title}, {u"text"_s, text}}).toJson());
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    reply->deleteLater();

    const QJsonObject answer = QJsonDocument::fromJson(reply->readAll()).object();
    if (reply->error() != QNetworkReply::NoError || !answer.contains(u"msgid"_s)) {
        const QString reason = answer.value(u"error"_s).toString(reply->errorString());
        QTextStream(stderr) << "tarvo-sandbox: message not added at " << url.toString() << ": "
                            << reason << "\n";
        return 1;
    }
    QTextStream(stdout) << "message " << answer.value(u"msgid"_s).toInteger() << " added\n";
    return 0;
}

} // namespace sandbox
