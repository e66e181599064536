#pragma once

#include "MapView.h"
#include "OutletList.h"
#include "shell/BaseViewController.h"

#include <QList>
#include <QString>
#include <QtQml/qqmlregistration.h>

/// "网点查询": the company's service outlets as markers on a map; a tapped marker shows the
/// outlet's name and address.
// Kept name (traceability): see docs/names.md
class MapPointViewController : public BaseViewController, public MapViewDelegate
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    Q_CLASSINFO("view", "qrc:/qt/qml/Tarvo/Map/MapPointView.qml")
    Q_PROPERTY(MapView *mapView READ mapView NOTIFY mapViewChanged)

public:
    /// `tileUrlTemplate` is where map tiles come from ("{z}/{x}/{y}" filled in); the outlet
    /// list is read from `locationsPath`.
    MapPointViewController(Navigator *navigator, const QString &tileUrlTemplate,
                           const QString &locationsPath = OutletList::bundledPath.toString(),
                           QObject *parent = nullptr);

    /// The outlets read, in file order; empty until the view has loaded.
    // Kept name (traceability): see docs/names.md
    QList<Outlet> dataSourceAry() const { return m_dataSourceAry; }
    MapView *mapView() const { return m_mapView; }

    void viewDidLoad() override;
    // Kept name (traceability): see docs/names.md
    myAnnotationView *viewForAnnotation(MapView *mapView, MyAnnotation *annotation) override;

signals:
    void mapViewChanged();

private:
    // Kept name (traceability): see docs/names.md
    void initDataSource();
    void initInterface();
    void addAllPoint();

    QString m_tileUrlTemplate;
    QString m_locationsPath;
    QList<Outlet> m_dataSourceAry;
    MapView *m_mapView = nullptr;
};
