#include "RedPacketReply.h"

#include "service/DocumentDictionary.h"
#include "service/ModelMapping.h"

using namespace Qt::StringLiterals;

namespace RedPacketReply {

namespace {

RedPacketRecord record(const QVariantMap &element)
{
    QVariantMap texts;
    for (auto it = element.constBegin(); it != element.constEnd(); ++it) {
        if (it.value().typeId() == QMetaType::QVariantMap)
            texts.insert(it.key(), it.value().toMap().value(u"text"_s));
    }
    RedPacketRecord packet;
    assignTexts(packet, texts);
    return packet;
}

} // namespace

QList<RedPacketRecord> records(const std::optional<QVariantMap> &replyDocument)
{
    if (!replyDocument)
        return {};
    const QVariant info = DocumentDictionary::valueAt(*replyDocument, {u"info"});
    if (info.typeId() != QMetaType::QVariantMap)
        return {};
    QList<RedPacketRecord> packets;
    const QVariantMap children = info.toMap();
    for (auto it = children.constBegin(); it != children.constEnd(); ++it) {
        if (it.key() == u"text"_s && it.value().typeId() == QMetaType::QString)
            continue;
        for (const QVariantMap &element : DocumentDictionary::elements(it.value()))
            packets.append(record(element));
    }
    return packets;
}

} // namespace RedPacketReply
