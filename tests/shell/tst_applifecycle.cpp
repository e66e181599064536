#include "FakeLocalNotifications.h"
#include "FakeSecureStore.h"
#include "FakeSettingsStore.h"
#include "FakeTransport.h"
#include "FakeWalletSdk.h"
#include "MessageReplies.h"
#include "service/ServiceClient.h"
#include "shell/AppDelegate.h"
#include "shell/AppLifecycle.h"

#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

/// A launched delegate over fakes, with the lifecycle in front of it.
struct Running
{
    FakeSettingsStore settings;
    FakeSecureStore secureStore;
    FakeTransport transport;
    ServiceClient service{&transport, QUrl(u"http://127.0.0.1:7001/trvo/ws/appService"_s)};
    FakeWalletSdk wallet;
    FakeLocalNotifications notifications;
    AppDelegate delegate{&settings, &secureStore, &service, &wallet, &notifications};
    AppLifecycle lifecycle{&delegate};

    Running() { delegate.didFinishLaunchingWithOptions(); }

    qsizetype polls() const
    {
        return std::count_if(transport.requests().cbegin(), transport.requests().cend(),
                             [](const FakeTransport::Request &request) {
                                 return request.body.contains("backMessage");
                             });
    }
};

} // namespace

class TestAppLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void transitions_data()
    {
        QTest::addColumn<QList<QWindow::Visibility>>("visibilities");
        QTest::addColumn<int>("polls");
        QTest::addColumn<QList<qint64>>("badges");

        QTest::newRow("minimised") << QList{QWindow::Minimized} << 1 << QList<qint64>{};
        QTest::newRow("hidden") << QList{QWindow::Hidden} << 1 << QList<qint64>{};
        QTest::newRow("minimised, restored")
            << QList{QWindow::Minimized, QWindow::Windowed} << 1 << QList<qint64>{0};
        QTest::newRow("minimised, then hidden while away")
            << QList{QWindow::Minimized, QWindow::Hidden, QWindow::Minimized} << 1
            << QList<qint64>{};
        QTest::newRow("visible changes only")
            << QList{QWindow::Windowed, QWindow::Maximized, QWindow::FullScreen} << 0
            << QList<qint64>{};
        QTest::newRow("away and back twice")
            << QList{QWindow::Hidden, QWindow::Maximized, QWindow::Minimized,
                     QWindow::AutomaticVisibility}
            << 2 << QList<qint64>{0, 0};
    }

    void transitions()
    {
        QFETCH(QList<QWindow::Visibility>, visibilities);
        QFETCH(int, polls);
        QFETCH(QList<qint64>, badges);
        Running app;

        for (QWindow::Visibility visibility : visibilities)
            app.lifecycle.visibilityChanged(visibility);

        QCOMPARE(app.polls(), polls);
        QCOMPARE(app.notifications.badgeNumbers, badges);
    }

    void followsARealWindow()
    {
        Running app;
        QWindow window;
        app.lifecycle.track(&window);
        window.show();
        QTRY_COMPARE(window.visibility(), QWindow::Windowed);
        app.transport.enqueueReply(
            MessageReplies::messages({{u"停水通知"_s, u"周六停水"_s, u"4"_s}}));

        window.showMinimized();
        QTRY_VERIFY(app.lifecycle.isInBackground());
        QTRY_COMPARE(app.notifications.scheduled.size(), 1);
        QCOMPARE(app.notifications.scheduled[0].applicationIconBadgeNumber, 1);

        window.showNormal();
        QTRY_VERIFY(!app.lifecycle.isInBackground());
        QCOMPARE(app.notifications.badgeNumbers, QList<qint64>{0});

        window.hide();
        QTRY_COMPARE(app.polls(), 2);

        // A notification's "打开应用" brings the window back, hidden or minimised.
        AppLifecycle::bringToFront(&window);
        QTRY_VERIFY(!app.lifecycle.isInBackground());
        window.showMinimized();
        QTRY_COMPARE(app.polls(), 3);
        AppLifecycle::bringToFront(&window);
        QTRY_VERIFY(!app.lifecycle.isInBackground());
        QCOMPARE(window.visibility(), QWindow::Windowed);
        QCOMPARE(app.notifications.badgeNumbers, (QList<qint64>{0, 0, 0}));

        // Closing ends the app: no trip into the background.
        window.showNormal();
        QTRY_VERIFY(!app.lifecycle.isInBackground());
        window.close();
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(app.polls(), 3);
        QVERIFY(!app.lifecycle.isInBackground());
    }
};

QTEST_MAIN(TestAppLifecycle)
#include "tst_applifecycle.moc"
