#pragma once

#include <QtGlobal>

/// The rounded, bordered table of the notice, guide and publicity lists, whose rows slide in
/// from the right.
namespace SlidingTable {

/// The smallest phone screens (480 points high) get shorter rows.
qreal rowHeight(qreal screenHeight);

/// The table is a little shorter than its rows, by `trim` points.
qreal height(qsizetype rows, qreal trim, qreal screenHeight);

} // namespace SlidingTable
