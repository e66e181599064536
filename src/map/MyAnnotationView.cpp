#include "MyAnnotationView.h"

#include "MapView.h"
#include "MyAnnotation.h"

using namespace Qt::StringLiterals;

myAnnotationView *myAnnotationView::myAnnoViewWithMapView(MapView *mapView)
{
    // Markers stay on the map for the screen's life, so there is never a spare one to reuse;
    // the identifier names the view (QML and tests find markers by it).
    auto *view = new myAnnotationView(true, mapView);
    view->setObjectName(reuseIdentifier.toString());
    return view;
}

myAnnotationView::myAnnotationView(bool canShowCallout, QObject *parent)
    : QObject(parent)
    , m_canShowCallout(canShowCallout)
{}

void myAnnotationView::setAnnotation(MyAnnotation *annotation)
{
    m_annotation = annotation;
    m_image = annotation ? QUrl(u"qrc:/tarvo/images/"_s + annotation->icon() + u".svg"_s) : QUrl();
    emit annotationChanged();
}

void myAnnotationView::setPoint(QPointF point)
{
    if (point == m_point)
        return;
    m_point = point;
    emit pointChanged();
}

void myAnnotationView::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    emit selectedChanged();
}
