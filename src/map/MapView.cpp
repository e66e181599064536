#include "MapView.h"

#include "MyAnnotation.h"
#include "MyAnnotationView.h"
#include "shell/ReadOnlyList.h"

#include <QVariantMap>
#include <cmath>

using namespace Qt::StringLiterals;
using namespace MapProjection;

namespace {

double worldSize(double zoom)
{
    return tileSize * std::exp2(zoom);
}

} // namespace

MapView::MapView(const QString &tileUrlTemplate, QObject *parent)
    : QObject(parent)
    , m_tileUrlTemplate(tileUrlTemplate)
{}

void MapView::setRegion(Coordinate centre, double metres)
{
    m_centre = centre;
    m_regionMetres = metres;
    if (!m_viewSize.isEmpty())
        m_zoom = zoomForRegion(m_centre, metres, m_viewSize);
    cameraMoved();
}

int MapView::tileZoom() const
{
    return std::clamp(int(std::lround(m_zoom)), minZoom, maxZoom);
}

double MapView::tileScale() const
{
    return std::exp2(m_zoom - tileZoom());
}

QPointF MapView::tileLayerOrigin() const
{
    const QPointF viewCentre(m_viewSize.width() / 2, m_viewSize.height() / 2);
    return viewCentre - worldPixel(m_centre, tileZoom()) * tileScale();
}

void MapView::addAnnotation(MyAnnotation *annotation)
{
    annotation->setParent(this);
    myAnnotationView *view = m_delegate ? m_delegate->viewForAnnotation(this, annotation) : nullptr;
    if (!view)
        return;
    view->setParent(this);
    view->setAnnotation(annotation);
    view->setPoint(pointForCoordinate(annotation->latitude(), annotation->longitude()));
    m_views.append(view);
    emit annotationViewsChanged();
}

QList<QObject *> MapView::annotationViews() const
{
    return {m_views.cbegin(), m_views.cend()};
}

QQmlListProperty<myAnnotationView> MapView::annotationViewList()
{
    return readOnlyList<myAnnotationView>(this, &m_views);
}

QObject *MapView::selectedAnnotationView() const
{
    return m_selected;
}

QPointF MapView::pointForCoordinate(double latitude, double longitude) const
{
    const QPointF offset = worldPixel({latitude, longitude}, m_zoom) - worldPixel(m_centre, m_zoom);
    return {m_viewSize.width() / 2 + std::remainder(offset.x(), worldSize(m_zoom)),
            m_viewSize.height() / 2 + offset.y()};
}

void MapView::setViewSize(double width, double height)
{
    const QSizeF size(width, height);
    if (size == m_viewSize)
        return;
    m_viewSize = size;
    if (m_regionMetres && !size.isEmpty())
        m_zoom = zoomForRegion(m_centre, *m_regionMetres, size);
    cameraMoved();
}

void MapView::pan(double dx, double dy)
{
    moveTo(worldPixel(m_centre, m_zoom) - QPointF(dx, dy), m_zoom);
}

void MapView::zoomAt(double factor, double x, double y)
{
    if (!(factor > 0) || !std::isfinite(factor))
        return;
    const double zoom = std::clamp(m_zoom + std::log2(factor), double(minZoom), double(maxZoom));
    const QPointF anchor = QPointF(x, y) - QPointF(m_viewSize.width() / 2, m_viewSize.height() / 2);
    const QPointF anchorWorld = (worldPixel(m_centre, m_zoom) + anchor) * std::exp2(zoom - m_zoom);
    moveTo(anchorWorld - anchor, zoom);
}

void MapView::moveTo(QPointF worldCentre, double zoom)
{
    // North and south the map ends: the centre stays on it.
    worldCentre.setY(std::clamp(worldCentre.y(), 0.0, worldSize(zoom)));
    m_zoom = zoom;
    m_centre = coordinate(worldCentre, zoom);
    m_regionMetres.reset();
    cameraMoved();
}

void MapView::selectAnnotationView(QObject *view)
{
    auto *marker = qobject_cast<myAnnotationView *>(view);
    // A callout needs something to say: an outlet without name and address opens none.
    const bool opens =
        marker && m_views.contains(marker) && marker->canShowCallout() && marker->annotation() &&
        !(marker->annotation()->title().isEmpty() && marker->annotation()->subtitle().isEmpty());
    if (!opens) {
        deselectAnnotationView();
        return;
    }
    if (marker == m_selected)
        return;
    if (m_selected)
        m_selected->setSelected(false);
    m_selected = marker;
    m_selected->setSelected(true);
    emit selectionChanged();
}

void MapView::deselectAnnotationView()
{
    if (!m_selected)
        return;
    m_selected->setSelected(false);
    m_selected = nullptr;
    emit selectionChanged();
}

void MapView::cameraMoved()
{
    const double scale = tileScale();
    const QList<Tile> tiles =
        m_viewSize.isEmpty()
            ? QList<Tile>()
            : visibleTiles(tileZoom(), worldPixel(m_centre, tileZoom()), m_viewSize / scale);
    if (tiles != m_tiles) {
        m_tiles = tiles;
        m_tileList.clear();
        for (const Tile &tile : tiles) {
            m_tileList.append(QVariantMap{{u"url"_s, tileUrl(m_tileUrlTemplate, tile)},
                                          {u"x"_s, tile.x * tileSize},
                                          {u"y"_s, tile.y * tileSize}});
        }
        emit tilesChanged();
    }
    for (myAnnotationView *view : std::as_const(m_views)) {
        view->setPoint(
            pointForCoordinate(view->annotation()->latitude(), view->annotation()->longitude()));
    }
    emit cameraChanged();
}
