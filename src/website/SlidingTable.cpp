#include "SlidingTable.h"

namespace SlidingTable {

qreal rowHeight(qreal screenHeight)
{
    return screenHeight <= 480 ? 35 : 50;
}

qreal height(qsizetype rows, qreal trim, qreal screenHeight)
{
    return qMax<qreal>(0, rows * rowHeight(screenHeight) - trim);
}

} // namespace SlidingTable
