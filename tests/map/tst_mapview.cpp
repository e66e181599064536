// The outlet map drawn in the real main window: taps, drags and the wheel reach the map.
#include "MainWindowFixture.h"
#include "map/MapPointViewController.h"
#include "map/MapView.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

using namespace Qt::StringLiterals;

class TestMapView : public QObject
{
    Q_OBJECT

    MainWindowFixture m_main;
    QQuickWindow *m_window = nullptr;
    MapPointViewController *m_screen = nullptr;

    QList<QQuickItem *> markers() const { return m_main.probe().visibleNamed(u"myAnnoView"_s); }
    QQuickItem *shownCallout() const { return m_main.probe().visibleNamed(u"callout"_s).value(0); }
    static QPoint centre(QQuickItem *item) { return ViewProbe::centre(item).toPoint(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_main.load());
        m_window = m_main.window;
        // No tile server answers here: the markers must show all the same.
        m_screen =
            new MapPointViewController(&m_main.navigator, u"http://127.0.0.1:9/{z}/{x}/{y}"_s);
        m_main.navigator.push(m_screen, false);
        QTRY_COMPARE(markers().size(), 8);
        QTRY_VERIFY(!m_screen->mapView()->tiles().isEmpty());
    }

    void tapOpensTheCalloutAndTapElsewhereClosesIt()
    {
        QQuickItem *marker = markers().constFirst();
        QTest::mouseClick(m_window, Qt::LeftButton, {}, centre(marker));
        QTRY_VERIFY(shownCallout());
        QVERIFY(m_screen->mapView()->selectedAnnotationView());

        // The callout itself keeps taps; the map beside it closes it.
        QQuickItem *bubble = shownCallout()->childItems().constFirst();
        QTest::mouseClick(m_window, Qt::LeftButton, {}, centre(bubble));
        QVERIFY(shownCallout());
        QTest::mouseClick(m_window, Qt::LeftButton, {}, QPoint(8, m_window->height() - 8));
        QTRY_VERIFY(!shownCallout());
    }

    void dragPansTheMap()
    {
        QQuickItem *marker = markers().constFirst();
        const QPointF before = marker->position();
        const QPoint from(m_window->width() / 2, m_window->height() - 60);
        QTest::mousePress(m_window, Qt::LeftButton, {}, from);
        for (int step = 1; step <= 5; ++step)
            QTest::mouseMove(m_window, from + QPoint(10 * step, -8 * step));
        QTest::mouseRelease(m_window, Qt::LeftButton, {}, from + QPoint(50, -40));
        QTRY_VERIFY((marker->position() - (before + QPointF(50, -40))).manhattanLength() < 0.01);
        QVERIFY(!shownCallout());
    }

    void wheelZoomsAboutThePointer()
    {
        const double zoom = m_screen->mapView()->zoomLevel();
        const QPointF at(100, 300);
        QWheelEvent wheel(at, m_window->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(m_window, &wheel);
        QTRY_COMPARE(m_screen->mapView()->zoomLevel(), zoom + 0.25);
    }
};

QTEST_MAIN(TestMapView)
#include "tst_mapview.moc"
