#include "Screenshots.h"
#include "driver/ScreenshotTour.h"
#include "home/HomeViewController.h"
#include "map/MapPointViewController.h"
#include "map/MapView.h"
#include "shell/QmlNavigator.h"

using namespace Qt::StringLiterals;

void addMapScreenshots(ScreenshotTour &tour, QmlNavigator &navigator)
{
    const auto map = [&navigator] {
        return navigator.stack().value(1);
    };
    // Long enough for the tiles to arrive or fail.
    tour.add(
        u"map"_s,
        [&navigator] { return fromHome(navigator, &HomeViewController::webSearchBtnClick); }, 2500);
    tour.add(u"map-callout"_s, [map] {
        return on<MapPointViewController>(map(), [](MapPointViewController *screen) {
            MapView *mapView = screen->mapView();
            mapView->selectAnnotationView(mapView->annotationViews().value(1));
        });
    });
    // Closer in, as after a pinch: the next tile level, the callout closed by a tap beside it.
    tour.add(
        u"map-zoomed"_s,
        [map] {
            return on<MapPointViewController>(map(), [](MapPointViewController *screen) {
                MapView *mapView = screen->mapView();
                mapView->deselectAnnotationView();
                mapView->zoomAt(3, mapView->viewSize().width() / 2,
                                mapView->viewSize().height() / 2);
            });
        },
        1500);
}
