// The outlet map: Web-Mercator maths, the screen's markers and callout, the sandbox's tiles.
#include "FakeNavigator.h"
#include "MapTiles.h"
#include "map/MapPointViewController.h"
#include "map/MapProjection.h"
#include "map/MapView.h"
#include "map/MyAnnotation.h"
#include "map/MyAnnotationView.h"
#include "platform/AppOptions.h"

#include <QCommandLineParser>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

using namespace Qt::StringLiterals;
using namespace MapProjection;

namespace {

const QSizeF phoneMap(375, 603); // a 375 × 667 screen below its navigation bar
const QString noTiles = u"http://127.0.0.1:9/{z}/{x}/{y}.png"_s;

// Metres along a parallel and along a meridian on the projection's sphere.
double metresEast(double longitudes, double latitude)
{
    return qDegreesToRadians(longitudes) * earthRadius * std::cos(qDegreesToRadians(latitude));
}
double metresNorth(double latitudes)
{
    return qDegreesToRadians(latitudes) * earthRadius;
}

bool near(QPointF a, QPointF b)
{
    return (a - b).manhattanLength() < 1e-6;
}

// JSON written with single quotes, for legibility.
QByteArray json(const char *text)
{
    return QByteArray(text).replace('\'', '"');
}

} // namespace

class TestMap : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    FakeNavigator m_navigator;
    int m_screens = 0;

    // The screen loaded with an outlet list of this content (none: no file), its map
    // `phoneMap` in size.
    MapPointViewController *openScreen(const QByteArray &locations)
    {
        const QString path = m_folder.filePath(u"locations-%1.json"_s.arg(++m_screens));
        if (!locations.isNull()) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                return nullptr;
            file.write(locations);
        }
        auto *screen = new MapPointViewController(&m_navigator, noTiles, path, this);
        screen->viewDidLoad();
        screen->mapView()->setViewSize(phoneMap.width(), phoneMap.height());
        return screen;
    }

    static QList<myAnnotationView *> markers(const MapPointViewController *screen)
    {
        QList<myAnnotationView *> views;
        for (QObject *view : screen->mapView()->annotationViews())
            views.append(qobject_cast<myAnnotationView *>(view));
        return views;
    }

private slots:
    void mercatorRoundTrip_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("zoom");

        QTest::newRow("service area") << 29.352765 << 104.778442 << 12.47;
        QTest::newRow("origin, whole world") << 0.0 << 0.0 << 0.0;
        QTest::newRow("north-east corner") << 85.05 << 179.999999 << 19.0;
        QTest::newRow("south-west corner") << -85.05 << -180.0 << 5.0;
        QTest::newRow("southern hemisphere") << -33.86 << 151.21 << 17.3;
    }

    void mercatorRoundTrip()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, zoom);
        const Coordinate back = coordinate(worldPixel({latitude, longitude}, zoom), zoom);
        QVERIFY2(qAbs(back.latitude - latitude) < 1e-9, qPrintable(QString::number(back.latitude)));
        QVERIFY2(qAbs(back.longitude - longitude) < 1e-9,
                 qPrintable(QString::number(back.longitude)));
    }

    void worldEdges()
    {
        QCOMPARE(worldPixel({0, 0}, 0), QPointF(128, 128));
        QCOMPARE(worldPixel({maxLatitude, -180}, 1).x(), 0.0);
        QVERIFY(qAbs(worldPixel({maxLatitude, -180}, 1).y()) < 1e-6);
        // Beyond the map's edge a latitude is held at the edge; longitudes wrap.
        QCOMPARE(worldPixel({89.9, 0}, 3).y(), worldPixel({maxLatitude, 0}, 3).y());
        QCOMPARE(coordinate({256 * 4 + 128, 128}, 2).longitude, -135.0);
    }

    void regionFitsTheView_data()
    {
        QTest::addColumn<QSizeF>("view");
        QTest::addColumn<double>("latitude");

        QTest::newRow("phone, portrait") << phoneMap << OutletList::mapCentre.latitude;
        QTest::newRow("landscape") << QSizeF(603, 375) << OutletList::mapCentre.latitude;
        QTest::newRow("tablet") << QSizeF(768, 960) << OutletList::mapCentre.latitude;
        QTest::newRow("equator, square") << QSizeF(300, 300) << 0.0;
        QTest::newRow("far north") << phoneMap << 69.65;
    }

    // 9000 m each way just fit: the view's shorter extent spans 9000 m, the other no less.
    void regionFitsTheView()
    {
        QFETCH(QSizeF, view);
        QFETCH(double, latitude);
        const Coordinate centre{latitude, 20};
        const double zoom = zoomForRegion(centre, 9000, view);
        const QPointF middle = worldPixel(centre, zoom);
        const Coordinate west = coordinate(middle - QPointF(view.width() / 2, 0), zoom);
        const Coordinate east = coordinate(middle + QPointF(view.width() / 2, 0), zoom);
        const Coordinate north = coordinate(middle - QPointF(0, view.height() / 2), zoom);
        const Coordinate south = coordinate(middle + QPointF(0, view.height() / 2), zoom);
        const double across = metresEast(east.longitude - west.longitude, latitude);
        const double down = metresNorth(north.latitude - south.latitude);
        QVERIFY2(qAbs(std::min(across, down) - 9000) < 60,
                 qPrintable(u"%1 × %2 m"_s.arg(across).arg(down)));
        QVERIFY(std::max(across, down) >= 9000 - 60);
    }

    void visibleTiles_data()
    {
        QTest::addColumn<int>("z");
        QTest::addColumn<QPointF>("centre");
        QTest::addColumn<QSizeF>("view");
        QTest::addColumn<QList<Tile>>("tiles");

        QTest::newRow("one tile, edges on the grid")
            << 2 << QPointF(384, 384) << QSizeF(256, 256) << QList<Tile>{{2, 1, 1, 1}};
        QTest::newRow("west of the antimeridian wraps")
            << 2 << QPointF(0, 384) << QSizeF(256, 256) << QList<Tile>{{2, -1, 1, 3}, {2, 0, 1, 0}};
        QTest::newRow("east of the last column wraps") << 1 << QPointF(512, 200) << QSizeF(100, 100)
                                                       << QList<Tile>{{1, 1, 0, 1}, {1, 2, 0, 0}};
        QTest::newRow("north of the pole is left out")
            << 3 << QPointF(400, 0) << QSizeF(100, 300) << QList<Tile>{{3, 1, 0, 1}};
        QTest::newRow("south of the pole is left out")
            << 1 << QPointF(100, 512) << QSizeF(10, 100) << QList<Tile>{{1, 0, 1, 0}};
        QTest::newRow("wider than the world: each column once")
            << 1 << QPointF(256, 256) << QSizeF(2000, 10)
            << QList<Tile>{{1, -3, 0, 1}, {1, -2, 0, 0}, {1, -3, 1, 1}, {1, -2, 1, 0}};
    }

    void visibleTiles()
    {
        QFETCH(int, z);
        QFETCH(QPointF, centre);
        QFETCH(QSizeF, view);
        QFETCH(QList<Tile>, tiles);
        QCOMPARE(MapProjection::visibleTiles(z, centre, view), tiles);
    }

    void tileUrlFillsTheTemplate()
    {
        QCOMPARE(tileUrl(u"http://t.test/m/{z}/{x}/{y}.png?k=1"_s, {7, -1, 3, 127}),
                 QUrl(u"http://t.test/m/7/127/3.png?k=1"_s));
    }

    void screenOpensOnTheServiceArea()
    {
        MapPointViewController *screen = openScreen(
            json("[{'lat': 29.352765, 'lng': 104.778442, 'name': '中心', 'address': '滨江路', "
                 "'hours': '8:30'}, "
                 "{'lat': '29.36', 'lng': '104.79', 'name': '北', 'address': '北路', 'phone': 1}, "
                 "{'lat': 29.34, 'lng': 104.76, 'name': '南', 'address': '南路'}]"));
        QVERIFY(screen);
        QCOMPARE(screen->dataSourceAry().size(), 3);
        QVERIFY(m_navigator.alertMessages().isEmpty());
        const MapView *map = screen->mapView();
        QCOMPARE(map->centre().latitude, OutletList::mapCentre.latitude);
        QCOMPARE(map->zoomLevel(), zoomForRegion(OutletList::mapCentre, 9000, phoneMap));
        QVERIFY(!map->tiles().isEmpty());
        QCOMPARE(map->tiles().constFirst().toMap().value(u"url"_s).toUrl().host(), u"127.0.0.1"_s);

        const QList<myAnnotationView *> views = markers(screen);
        QCOMPARE(views.size(), 3);
        for (const myAnnotationView *view : views) {
            QCOMPARE(view->annotation()->icon(), u"pointIcon"_s);
            QCOMPARE(view->image(), QUrl(u"qrc:/tarvo/images/pointIcon.svg"_s));
            QVERIFY(QRectF(QPointF(), phoneMap).contains(view->point()));
        }
        QVERIFY(QFile::exists(u":/tarvo/images/pointIcon.svg"_s));
        QCOMPARE(views[0]->point(), QPointF(phoneMap.width() / 2, phoneMap.height() / 2));
        QCOMPARE(views[1]->annotation()->title(), u"北"_s);
        QCOMPARE(views[1]->annotation()->subtitle(), u"北路"_s);
        // North-east of the centre is up and to the right; south-west down and to the left.
        QVERIFY(views[1]->point().x() > views[0]->point().x());
        QVERIFY(views[1]->point().y() < views[0]->point().y());
        QVERIFY(views[2]->point().x() < views[0]->point().x());
        QVERIFY(views[2]->point().y() > views[0]->point().y());
    }

    void markersFollowZoom()
    {
        MapPointViewController *screen = openScreen(
            json("[{'lat': 29.352765, 'lng': 104.778442}, {'lat': 29.36, 'lng': 104.79}]"));
        MapView *map = screen->mapView();
        const QList<myAnnotationView *> views = markers(screen);
        const QPointF centre = views[0]->point();
        const QPointF other = views[1]->point();

        // The point under the pinch stays put; distances from it double. (Panning is the view
        // test's drag.)
        const double zoom = map->zoomLevel();
        map->zoomAt(2, centre.x(), centre.y());
        QCOMPARE(map->zoomLevel(), zoom + 1);
        QVERIFY(near(views[0]->point(), centre));
        QVERIFY(near(views[1]->point() - views[0]->point(), 2 * (other - centre)));

        // Zoom stops at the deepest level the tiles have; a bad factor changes nothing.
        map->zoomAt(1e9, 0, 0);
        QCOMPARE(map->zoomLevel(), double(maxZoom));
        map->zoomAt(0, 0, 0);
        map->zoomAt(qQNaN(), 0, 0);
        QCOMPARE(map->zoomLevel(), double(maxZoom));

        // Once zoomed, a new view size keeps the user's zoom instead of the opening region.
        map->setViewSize(600, 900);
        QCOMPARE(map->zoomLevel(), double(maxZoom));
    }

    void outletListFailures_data()
    {
        QTest::addColumn<QByteArray>("locations"); // null: no file
        QTest::addColumn<bool>("told");

        QTest::newRow("not JSON") << QByteArray("[{\"lat\": 29.3,") << true;
        QTest::newRow("empty list") << QByteArray("[]") << false;
    }

    // The map still opens on the service area without markers; a list that cannot be read is
    // explained, an empty one is not.
    void outletListFailures()
    {
        QFETCH(QByteArray, locations);
        QFETCH(bool, told);
        m_navigator.calls.clear();
        MapPointViewController *screen = openScreen(locations);
        QVERIFY(screen->dataSourceAry().isEmpty());
        QVERIFY(screen->mapView()->annotationViews().isEmpty());
        QVERIFY(!screen->mapView()->tiles().isEmpty());
        QCOMPARE(m_navigator.alertMessages(),
                 told ? QStringList{u"网点信息读取失败，地图上暂时无法显示营业网点。"_s}
                      : QStringList());
    }

    void calloutOpensAndCloses()
    {
        MapPointViewController *screen =
            openScreen(json("[{'lat': 29.35, 'lng': 104.77, 'name': '甲', 'address': '一路'}, "
                            "{'lat': 29.36, 'lng': 104.78, 'name': '乙'}, "
                            "{'lat': 29.34, 'lng': 104.76}]"));
        MapView *map = screen->mapView();
        const QList<myAnnotationView *> views = markers(screen);
        const auto open = [&] {
            return qobject_cast<myAnnotationView *>(map->selectedAnnotationView());
        };

        map->selectAnnotationView(views[0]);
        QCOMPARE(open(), views[0]);
        QVERIFY(views[0]->isSelected());
        map->selectAnnotationView(views[1]); // another marker: only one callout at a time
        QCOMPARE(open(), views[1]);
        QVERIFY(!views[0]->isSelected());
        map->deselectAnnotationView(); // a tap on the map elsewhere
        QCOMPARE(open(), nullptr);
        QVERIFY(!views[1]->isSelected());

        // Nothing to say, nothing to open; and the tap still closes what was open.
        map->selectAnnotationView(views[0]);
        map->selectAnnotationView(views[2]);
        QCOMPARE(open(), nullptr);
        map->selectAnnotationView(this);
        QCOMPARE(open(), nullptr);
    }

    void tileServerOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("tileUrl");

        QTest::newRow("default: the website's tiles")
            << QStringList{u"--website"_s, u"http://site.test:8/"_s} << QString()
            << u"http://site.test:8/tiles/{z}/{x}/{y}.png"_s;
        QTest::newRow("from the environment") << QStringList() << u"http://env.test/{z}/{x}/{y}"_s
                                              << u"http://env.test/{z}/{x}/{y}"_s;
        QTest::newRow("the command line wins")
            << QStringList{u"--tiles"_s, u"http://cli.test/{z}/{x}/{y}.png"_s}
            << u"http://env.test/{z}/{x}/{y}"_s << u"http://cli.test/{z}/{x}/{y}.png"_s;
    }

    void tileServerOption()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, environment);
        QFETCH(QString, tileUrl);
        qputenv("TARVO_TILE_URL", environment.toUtf8());
        QCommandLineParser parser;
        AppOptions::addTo(parser);
        QVERIFY(parser.parse(QStringList{u"tarvo"_s} + arguments));
        const AppOptions options = AppOptions::from(parser);
        qunsetenv("TARVO_TILE_URL");
        QCOMPARE(options.tileUrl, tileUrl);
    }

    void sandboxTiles_data()
    {
        QTest::addColumn<int>("z");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("status");

        QTest::newRow("whole world") << 0 << 0 << 0 << 200;
        QTest::newRow("service area") << 12 << 3240 << 1698 << 200;
        QTest::newRow("last tile of the deepest level") << 19 << 524287 << 524287 << 200;
        QTest::newRow("x past the grid") << 2 << 4 << 0 << 404;
        QTest::newRow("negative y") << 2 << 0 << -1 << 404;
        QTest::newRow("too deep") << 20 << 0 << 0 << 404;
        QTest::newRow("negative zoom") << -1 << 0 << 0 << 404;
    }

    void sandboxTiles()
    {
        QFETCH(int, z);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, status);
        const sandbox::HttpAnswer answer = sandbox::MapTiles::tile(z, x, y);
        QCOMPARE(answer.status, status);
        if (status != 200)
            return;
        QCOMPARE(answer.contentType, "image/png");
        QCOMPARE(QImage::fromData(answer.body, "PNG").size(), QSize(256, 256));
        QCOMPARE(sandbox::MapTiles::tile(z, x, y).body, answer.body);
    }
};

QTEST_GUILESS_MAIN(TestMap)
#include "tst_map.moc"
