#pragma once

#include <QObject>
#include <QPointF>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class MapView;
class MyAnnotation;

/// The marker of one annotation on the map: the image its annotation names, where on the
/// map it stands, and whether its callout is open.
// Kept name (traceability): see docs/names.md
class myAnnotationView : public QObject
{
    Q_OBJECT
    // QML type names start with a capital.
    QML_NAMED_ELEMENT(MyAnnotationView)
    QML_UNCREATABLE("made by the app's C++")
    Q_PROPERTY(MyAnnotation *annotation READ annotation NOTIFY annotationChanged)
    Q_PROPERTY(QUrl image READ image NOTIFY annotationChanged)
    Q_PROPERTY(bool canShowCallout READ canShowCallout CONSTANT)
    /// Where the annotation's coordinate lies in the map, in points from its top left corner.
    Q_PROPERTY(QPointF point READ point NOTIFY pointChanged)
    Q_PROPERTY(bool selected READ isSelected NOTIFY selectedChanged)

public:
    // Kept name (traceability): see docs/names.md
    static constexpr QStringView reuseIdentifier = u"myAnnoView";

    /// A marker view for the map, owned by it, with callouts on.
    // Kept name (traceability): see docs/names.md
    static myAnnotationView *myAnnoViewWithMapView(MapView *mapView);

    myAnnotationView(bool canShowCallout, QObject *parent);

    MyAnnotation *annotation() const { return m_annotation; }
    /// Giving the view its annotation sets its image.
    void setAnnotation(MyAnnotation *annotation);
    QUrl image() const { return m_image; }
    bool canShowCallout() const { return m_canShowCallout; }

    QPointF point() const { return m_point; }
    void setPoint(QPointF point);
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

signals:
    void annotationChanged();
    void pointChanged();
    void selectedChanged();

private:
    MyAnnotation *m_annotation = nullptr;
    QUrl m_image;
    bool m_canShowCallout;
    QPointF m_point;
    bool m_selected = false;
};
