#include "RedPacketListRows.h"

using namespace Qt::StringLiterals;

namespace RedPacketListRows {

namespace {

// The rows were drawn for a 320-point-wide screen and scale with the window.
constexpr qreal designWidth = 320;

} // namespace

QString dateText(const RedPacketRecord &packet)
{
    return packet.yxrq;
}

QString amountText(const RedPacketRecord &packet)
{
    return packet.hbje + u"元"_s;
}

qreal rowHeight(qreal windowWidth)
{
    return windowWidth * 80 / designWidth;
}

qreal sectionHeaderHeight(int section, qreal windowWidth)
{
    return section == 0 ? 1 : windowWidth * 2 / designWidth;
}

} // namespace RedPacketListRows
