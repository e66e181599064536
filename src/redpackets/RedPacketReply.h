#pragma once

#include "RedPacketRecord.h"

#include <QList>
#include <QVariantMap>

#include <optional>

/// Reading the reply to a red packet query.
namespace RedPacketReply {

/// Every child element of `info` is one red packet, whatever its name; children that share
/// a name are each a packet too. Text of `info` itself is no packet.
QList<RedPacketRecord> records(const std::optional<QVariantMap> &replyDocument);

} // namespace RedPacketReply
