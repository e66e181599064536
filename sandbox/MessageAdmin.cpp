#include "MessageAdmin.h"

#include "SandboxLog.h"
#include "Store.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace sandbox {

namespace {

HttpAnswer jsonAnswer(int status, const QJsonObject &object)
{
    return {status, "application/json",
            QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n'};
}

HttpAnswer refusal(int status, const QString &reason)
{
    return jsonAnswer(status, {{u"error"_s, reason}});
}

bool isLoopback(const QHostAddress &peer)
{
    // An IPv4 peer may arrive on a dual-stack socket as ::ffff:127.0.0.1.
    bool isIPv4 = false;
    const quint32 ipv4 = peer.toIPv4Address(&isIPv4);
    return isIPv4 ? QHostAddress(ipv4).isLoopback() : peer.isLoopback();
}

} // namespace

MessageAdmin::MessageAdmin(const Store &store)
    : m_store(store)
{}

HttpAnswer MessageAdmin::add(const QHostAddress &peer, const QByteArray &body) const
{
    if (!isLoopback(peer)) {
        qCWarning(lcSandbox).noquote() << "message refused from" << peer.toString();
        return refusal(403, u"messages can only be added from this machine"_s);
    }
    const QJsonObject message = QJsonDocument::fromJson(body).object();
    const QJsonValue title = message.value(u"title"_s);
    const QJsonValue text = message.value(u"text"_s);
    if (!title.isString() || !text.isString())
        return refusal(400, u"send a JSON object with the strings \"title\" and \"text\""_s);

    const std::optional<QSqlQuery> insert = m_store.run(
        u"INSERT INTO messages (title, body, created_at) VALUES (?, ?, ?)"_s,
        {title.toString(), text.toString(), QDateTime::currentDateTime().toString(Qt::ISODate)});
    if (!insert)
        return refusal(500, u"cannot store the message"_s);
    const qint64 msgid = insert->lastInsertId().toLongLong();
    qCInfo(lcSandbox) << "message" << msgid << "added";
    return jsonAnswer(201, {{u"msgid"_s, msgid}});
}

} // namespace sandbox
