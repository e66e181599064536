#include "RedPacketReply.h"

#include "service/DocumentDictionary.h"
#include "service/ModelMapping.h"

using namespace Qt::StringLiterals;

namespace RedPacketReply {

namespace {

RedPacketRecord record(const QVariantMap &element)
{
    RedPacketRecord packet;
    assignChildTexts(packet, element);
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
    // Attributes of `info` and its own text are strings, which hold no elements.
    for (auto it = children.constBegin(); it != children.constEnd(); ++it) {
        for (const QVariantMap &element : DocumentDictionary::elements(it.value()))
            packets.append(record(element));
    }
    return packets;
}

} // namespace RedPacketReply
