#include "MapProjection.h"

#include <QtMath>
#include <cmath>

using namespace Qt::StringLiterals;

namespace MapProjection {

namespace {

double worldSize(double zoom)
{
    return tileSize * std::exp2(zoom);
}

// y of a latitude on the unit world: 0 at the northern edge, 1 at the southern.
double unitY(double latitude)
{
    const double phi = qDegreesToRadians(std::clamp(latitude, -maxLatitude, maxLatitude));
    return 0.5 - std::log(std::tan(M_PI / 4 + phi / 2)) / (2 * M_PI);
}

} // namespace

QPointF worldPixel(Coordinate coordinate, double zoom)
{
    const double size = worldSize(zoom);
    return {(coordinate.longitude + 180) / 360 * size, unitY(coordinate.latitude) * size};
}

Coordinate coordinate(QPointF worldPixel, double zoom)
{
    const double size = worldSize(zoom);
    const double y = 0.5 - worldPixel.y() / size;
    const double latitude = qRadiansToDegrees(2 * std::atan(std::exp(y * 2 * M_PI)) - M_PI / 2);
    double longitude = std::fmod(worldPixel.x() / size * 360, 360);
    if (longitude < 0)
        longitude += 360;
    return {latitude, longitude - 180};
}

double zoomForRegion(Coordinate centre, double metres, QSizeF viewSize)
{
    // The region's extent in pixels of zoom 0; each zoom level doubles it.
    const double halfArc = qRadiansToDegrees(metres / 2 / earthRadius);
    const double height = worldPixel({centre.latitude - halfArc, 0}, 0).y() -
                          worldPixel({centre.latitude + halfArc, 0}, 0).y();
    const double longitudeSpan = 2 * halfArc / std::cos(qDegreesToRadians(centre.latitude));
    const double width = longitudeSpan / 360 * tileSize;
    const double fit = std::min(viewSize.width() / width, viewSize.height() / height);
    return std::clamp(std::log2(fit), double(minZoom), double(maxZoom));
}

QList<Tile> visibleTiles(int z, QPointF centre, QSizeF viewSize)
{
    const int count = 1 << z;
    const double left = centre.x() - viewSize.width() / 2;
    const double top = centre.y() - viewSize.height() / 2;
    const int firstX = int(std::floor(left / tileSize));
    // A view wider than the world shows each column once.
    const int lastX =
        std::min(int(std::ceil((left + viewSize.width()) / tileSize)) - 1, firstX + count - 1);
    const int firstY = std::max(int(std::floor(top / tileSize)), 0);
    const int lastY = std::min(int(std::ceil((top + viewSize.height()) / tileSize)) - 1, count - 1);
    QList<Tile> tiles;
    for (int y = firstY; y <= lastY; ++y) {
        for (int x = firstX; x <= lastX; ++x)
            tiles.append({z, x, y, ((x % count) + count) % count});
    }
    return tiles;
}

QUrl tileUrl(const QString &urlTemplate, const Tile &tile)
{
    QString url = urlTemplate;
    url.replace(u"{z}"_s, QString::number(tile.z))
        .replace(u"{x}"_s, QString::number(tile.wrappedX))
        .replace(u"{y}"_s, QString::number(tile.y));
    return QUrl(url);
}

} // namespace MapProjection
