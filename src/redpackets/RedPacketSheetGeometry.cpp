#include "RedPacketSheetGeometry.h"

namespace {

constexpr qreal margin = 40;
constexpr qreal top = 120;
constexpr qreal listRowHeight = 50;
constexpr qreal titleInset = 10;
constexpr qreal titleHeight = 40;
constexpr qreal lineHeight = 1.5;

qreal cardHeight(qsizetype packets)
{
    // From six packets on the card stops growing and the list scrolls instead.
    return packets < 6 ? listRowHeight * qreal(packets) + 100 : 400;
}

} // namespace

std::optional<RedPacketSheetGeometry> RedPacketSheetGeometry::forPackets(qsizetype packets,
                                                                         qreal windowWidth)
{
    if (packets < 1)
        return std::nullopt;
    const qreal width = windowWidth - 2 * margin;
    const qreal height = cardHeight(packets);
    RedPacketSheetGeometry geometry;
    geometry.card = QRectF(margin, top, width, height);
    geometry.title = QRectF(titleInset, titleInset, width, titleHeight);
    geometry.line = QRectF(0, geometry.title.bottom(), width, lineHeight);
    geometry.list = QRectF(0, geometry.line.bottom(), width, height - geometry.line.bottom());
    geometry.rowHeight = listRowHeight;
    return geometry;
}
