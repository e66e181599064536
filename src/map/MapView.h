#pragma once

#include "MapProjection.h"
#include "MyAnnotationView.h"

#include <QList>
#include <QObject>
#include <QPointF>
#include <QQmlListProperty>
#include <QSizeF>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>
#include <optional>

class MapView;
class MyAnnotation;
class myAnnotationView;

/// What a map asks of the screen that shows it.
class MapViewDelegate
{
public:
    virtual ~MapViewDelegate() = default;
    /// The view that draws an annotation; none leaves the annotation undrawn.
    // Kept name (traceability): see docs/names.md
    virtual myAnnotationView *viewForAnnotation(MapView *mapView, MyAnnotation *annotation) = 0;
};

/// A Web-Mercator map: where it looks and how close, the tiles that cover it, and the
/// annotations on it with their marker views. Sizes and positions are in points; the view
/// that draws it reports its size and turns gestures into pan and zoom calls.
class MapView : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_PROPERTY(double zoomLevel READ zoomLevel NOTIFY cameraChanged)
    /// The tiles to draw, each {url, x, y}: its top left corner in the tile layer.
    Q_PROPERTY(QVariantList tiles READ tiles NOTIFY tilesChanged)
    /// The tile layer's top left corner in the map and the scale it is drawn at.
    Q_PROPERTY(QPointF tileLayerOrigin READ tileLayerOrigin NOTIFY cameraChanged)
    Q_PROPERTY(double tileScale READ tileScale NOTIFY cameraChanged)
    Q_PROPERTY(QQmlListProperty<myAnnotationView> annotationViews READ annotationViewList NOTIFY
                   annotationViewsChanged)
    /// The marker whose callout is open, or none.
    Q_PROPERTY(QObject *selectedAnnotationView READ selectedAnnotationView NOTIFY selectionChanged)

public:
    explicit MapView(const QString &tileUrlTemplate, QObject *parent = nullptr);

    void setDelegate(MapViewDelegate *delegate) { m_delegate = delegate; }

    /// Looks at `metres` north to south and east to west around `centre`. Until the user
    /// moves the map the region is kept through changes of the view's size.
    void setRegion(MapProjection::Coordinate centre, double metres);
    MapProjection::Coordinate centre() const { return m_centre; }
    double zoomLevel() const { return m_zoom; }
    QSizeF viewSize() const { return m_viewSize; }

    QVariantList tiles() const { return m_tileList; }
    QPointF tileLayerOrigin() const;
    double tileScale() const;

    /// Adds an annotation (the map takes it) and the view its delegate gives for it.
    void addAnnotation(MyAnnotation *annotation);
    QList<QObject *> annotationViews() const;
    QQmlListProperty<myAnnotationView> annotationViewList();
    QObject *selectedAnnotationView() const;

    /// Where a coordinate lies in the view, in points; of the world's copies side by side,
    /// the one nearest the centre.
    QPointF pointForCoordinate(double latitude, double longitude) const;

    Q_INVOKABLE void setViewSize(double width, double height);
    /// Drags the map by this many points.
    Q_INVOKABLE void pan(double dx, double dy);
    /// Zooms by `factor` keeping what lies under the view point (x, y) there.
    Q_INVOKABLE void zoomAt(double factor, double x, double y);
    /// A tap on a marker opens its callout (if it has one to show) and closes any other.
    Q_INVOKABLE void selectAnnotationView(QObject *view);
    /// A tap on the map elsewhere closes the callout.
    Q_INVOKABLE void deselectAnnotationView();

signals:
    void cameraChanged();
    void tilesChanged();
    void annotationViewsChanged();
    void selectionChanged();

private:
    int tileZoom() const;
    void moveTo(QPointF worldCentre, double zoom);
    void cameraMoved();

    QString m_tileUrlTemplate;
    MapViewDelegate *m_delegate = nullptr;
    MapProjection::Coordinate m_centre;
    double m_zoom = MapProjection::minZoom;
    QSizeF m_viewSize;
    std::optional<double> m_regionMetres; ///< while the region still decides the zoom
    QList<MapProjection::Tile> m_tiles;
    QVariantList m_tileList;
    QList<myAnnotationView *> m_views;
    myAnnotationView *m_selected = nullptr;
};
