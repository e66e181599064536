#include "StringPieces.h"

std::optional<QStringList> componentsSeparatedFromString(QStringView string, QStringView from,
                                                         QStringView to)
{
    if (from.isEmpty() || to.isEmpty())
        return std::nullopt;
    QStringList pieces;
    QStringView rest = string;
    for (qsizetype start = rest.indexOf(from); start >= 0; start = rest.indexOf(from)) {
        rest = rest.sliced(start + from.size());
        const qsizetype end = rest.indexOf(to);
        if (end < 0)
            break;
        pieces.append(rest.first(end).toString());
    }
    return pieces;
}

std::optional<QString> firstPieceBetween(QStringView string, QStringView from, QStringView to)
{
    // The first piece alone, without scanning for the others: a page may hold many
    // start markers far from any end marker.
    if (from.isEmpty() || to.isEmpty())
        return std::nullopt;
    const qsizetype start = string.indexOf(from);
    if (start < 0)
        return std::nullopt;
    const QStringView rest = string.sliced(start + from.size());
    const qsizetype end = rest.indexOf(to);
    if (end < 0)
        return std::nullopt;
    return rest.first(end).toString();
}
