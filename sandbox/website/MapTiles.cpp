#include "MapTiles.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace sandbox::MapTiles {

namespace {

constexpr int size = 256;
constexpr int maxZoom = 19;

// Positions below are fractions of the world (0..1 west to east and north to south), so
// that streets and the river run on across tile edges and stay put while zooming. The
// river passes just south of the service area's centre.
constexpr double riverY = 0.41467;
constexpr double riverAmplitude = 0.00004;
constexpr double riverWavelength = 0.0005;
constexpr double riverWidth = 0.000004;
constexpr double mainStreetSpacing = 1.0 / (1 << 13);
constexpr double sideStreetSpacing = 1.0 / (1 << 15);

double riverAt(double worldX)
{
    const double phase = 2 * M_PI * worldX / riverWavelength;
    return riverY + riverAmplitude * (std::sin(phase) + 0.4 * std::sin(2.7 * phase + 1));
}

// Lines of one street class across the tile, `spacing` apart in world fractions.
void drawStreets(QPainter &painter, double world, int x, int y, double spacing, const QPen &pen)
{
    const double step = spacing * world;
    if (step < 24)
        return; // too dense to read at this zoom
    painter.setPen(pen);
    // Streets lie half a spacing off the tile grid, so that none runs along a tile's edge;
    // those just outside the tile are drawn too, for their width reaches in.
    const double pad = pen.widthF();
    const auto first = [&](double edge) {
        return (std::floor((edge - pad) / step - 0.5) + 0.5) * step;
    };
    const double left = x * double(size);
    const double top = y * double(size);
    for (double at = first(left); at < left + size + pad; at += step)
        painter.drawLine(QPointF(at - left, 0), QPointF(at - left, size));
    for (double at = first(top); at < top + size + pad; at += step)
        painter.drawLine(QPointF(0, at - top), QPointF(size, at - top));
}

// Some blocks between main streets are parks: every block whose number comes up in a
// simple hash, so the same blocks are green at every zoom.
void drawParks(QPainter &painter, double world, int x, int y)
{
    const double step = mainStreetSpacing * world;
    if (step < 24)
        return;
    const QRectF tile(x * double(size), y * double(size), size, size);
    const qint64 firstColumn = qint64(std::floor(tile.left() / step - 0.5));
    const qint64 firstRow = qint64(std::floor(tile.top() / step - 0.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd4, 0xe8, 0xc4));
    for (qint64 row = firstRow; (row + 0.5) * step < tile.bottom(); ++row) {
        for (qint64 column = firstColumn; (column + 0.5) * step < tile.right(); ++column) {
            if ((column * 7919 + row * 104729) % 5 != 0)
                continue;
            const QRectF block((column + 0.5) * step, (row + 0.5) * step, step, step);
            painter.drawRect(block.adjusted(step / 8, step / 8, -step / 8, -step / 8)
                                 .translated(-tile.topLeft()));
        }
    }
}

void drawRiver(QPainter &painter, double world, int x, int y)
{
    const double width = std::max(riverWidth * world, 2.0);
    QPainterPath path;
    for (int px = -8; px <= size + 8; px += 4) {
        const QPointF point(px, riverAt((x * double(size) + px) / world) * world - y * size);
        if (px == -8)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    if (!path.boundingRect()
             .adjusted(-width, -width, width, width)
             .intersects(QRectF(0, 0, size, size)))
        return;
    painter.setPen(QPen(QColor(0xaa, 0xd3, 0xdf), width, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(path);
}

} // namespace

HttpAnswer tile(int z, int x, int y)
{
    if (z < 0 || z > maxZoom || x < 0 || y < 0 || x >= (1 << z) || y >= (1 << z))
        return {404, "text/plain; charset=utf-8", "no such tile\n"};

    const double world = double(size) * (1 << z);
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(0xf2, 0xef, 0xe9));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawStreets(painter, world, x, y, sideStreetSpacing, QPen(QColor(0xfc, 0xfb, 0xf8), 1.5));
    drawParks(painter, world, x, y);
    drawStreets(painter, world, x, y, mainStreetSpacing, QPen(Qt::white, 5));
    drawRiver(painter, world, x, y);
    painter.end();

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {200, "image/png", png};
}

} // namespace sandbox::MapTiles
