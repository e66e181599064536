#pragma once

#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QUrl>

/// Web-Mercator maths of the outlet map: degrees to world pixels at a zoom level and back,
/// the zoom that shows a region, and the tiles that cover a view.
///
/// The world at zoom z is a square of 256 · 2^z pixels, x growing east from longitude -180,
/// y growing south from latitude +85.05.
namespace MapProjection {

inline constexpr int tileSize = 256;
inline constexpr double earthRadius = 6378137; ///< metres, the sphere Web Mercator uses
inline constexpr double maxLatitude = 85.0511287798;
inline constexpr int minZoom = 2;
inline constexpr int maxZoom = 19;

struct Coordinate
{
    double latitude = 0;
    double longitude = 0;
};

/// One tile of a view: its address on the tile server and where it lies. `x` counts on past
/// the world's edge, so that the tile east of the last one lies east of it; `wrappedX` is the
/// tile the server has.
struct Tile
{
    int z = 0;
    int x = 0;
    int y = 0;
    int wrappedX = 0;

    friend bool operator==(const Tile &, const Tile &) = default;
};

/// A coordinate as a point of the world at `zoom`; latitudes beyond the map's edge are held
/// at the edge.
QPointF worldPixel(Coordinate coordinate, double zoom);
/// The coordinate under a point of the world at `zoom`; longitudes wrap into -180..180.
Coordinate coordinate(QPointF worldPixel, double zoom);

/// The zoom at which `metres` north to south and `metres` east to west around `centre` just
/// fit into a view of `viewSize` points.
double zoomForRegion(Coordinate centre, double metres, QSizeF viewSize);

/// The tiles of level `z` that cover a view of `viewSize` around the world point `centre`
/// (in pixels of level z): rows beyond the poles are left out, columns wrap round the world.
QList<Tile> visibleTiles(int z, QPointF centre, QSizeF viewSize);

/// A tile's address from a template holding "{z}", "{x}" and "{y}".
QUrl tileUrl(const QString &urlTemplate, const Tile &tile);

} // namespace MapProjection
