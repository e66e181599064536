#pragma once

#include <QObject>
#include <QRectF>
#include <optional>

/// Where the parts of the red packet selection card go, in points. The card is placed in the
/// window; title, line and list are placed in the card.
struct RedPacketSheetGeometry
{
    Q_GADGET
    Q_PROPERTY(QRectF card MEMBER card)
    Q_PROPERTY(QRectF title MEMBER title)
    Q_PROPERTY(QRectF line MEMBER line)
    Q_PROPERTY(QRectF list MEMBER list)
    Q_PROPERTY(qreal rowHeight MEMBER rowHeight)

public:
    QRectF card;
    QRectF title;
    QRectF line;
    QRectF list;
    qreal rowHeight = 0;

    /// The card for `packets` red packets in a window `windowWidth` points wide. It grows a
    /// row at a time up to five packets and then stays put, the list scrolling instead. No
    /// packets build no card.
    static std::optional<RedPacketSheetGeometry> forPackets(qsizetype packets, qreal windowWidth);
};
