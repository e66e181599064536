#pragma once

#include "RedPacketRecord.h"

#include <QtGlobal>

/// The rows of the "我的红包" list: one section per red packet, one row (`HongbaoCell`) in
/// each. Sizes are in points for a window `windowWidth` points wide.
namespace RedPacketListRows {

/// The validity date exactly as received; an empty date still lists the packet.
QString dateText(const RedPacketRecord &packet);

/// The amount as received followed by 元: "5" shows 5元, "5.00" shows 5.00元.
QString amountText(const RedPacketRecord &packet);

qreal rowHeight(qreal windowWidth);

/// The first section sits almost flush under the top; the others are set apart a little.
qreal sectionHeaderHeight(int section, qreal windowWidth);

} // namespace RedPacketListRows
