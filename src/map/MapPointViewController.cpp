#include "MapPointViewController.h"

#include "MyAnnotation.h"
#include "MyAnnotationView.h"
#include "shell/Navigator.h"

MapPointViewController::MapPointViewController(Navigator *navigator, const QString &tileUrlTemplate,
                                               const QString &locationsPath, QObject *parent)
    : BaseViewController(navigator, parent)
    , m_tileUrlTemplate(tileUrlTemplate)
    , m_locationsPath(locationsPath)
{}

void MapPointViewController::viewDidLoad()
{
    BaseViewController::viewDidLoad();
    setTitle(tr("网点查询"));
    m_dataSourceAry.clear();
    initDataSource();
    setIsShowWhiteBack(true);
    initInterface();
    addAllPoint();
}

void MapPointViewController::initDataSource()
{
    bool ok = false;
    m_dataSourceAry = OutletList::fromFile(m_locationsPath, &ok);
    // The map still opens, without markers; the customer is told why they are missing.
    if (!ok)
        navigator()->notice(tr("网点信息读取失败，地图上暂时无法显示营业网点。"));
}

void MapPointViewController::initInterface()
{
    m_mapView = new MapView(m_tileUrlTemplate, this);
    m_mapView->setDelegate(this);
    m_mapView->setRegion(OutletList::mapCentre, OutletList::regionMetres);
    emit mapViewChanged();
}

void MapPointViewController::addAllPoint()
{
    for (const Outlet &outlet : std::as_const(m_dataSourceAry))
        m_mapView->addAnnotation(new MyAnnotation(outlet, OutletList::markerIcon.toString()));
}

myAnnotationView *MapPointViewController::viewForAnnotation(MapView *mapView,
                                                            MyAnnotation *annotation)
{
    Q_UNUSED(annotation);
    return myAnnotationView::myAnnoViewWithMapView(mapView);
}
