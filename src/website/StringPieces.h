#pragma once

#include <QStringList>
#include <optional>

/// The pieces of `string` that lie between a `from` marker and the next `to` marker after
/// it. Each search for the next `from` begins right after the previous `from`, not after
/// its `to`, so pieces may overlap. Nothing when either marker is empty.
// Kept name (traceability): see docs/names.md
std::optional<QStringList> componentsSeparatedFromString(QStringView string, QStringView from,
                                                         QStringView to);

/// The first of those pieces, if there is one.
std::optional<QString> firstPieceBetween(QStringView string, QStringView from, QStringView to);
