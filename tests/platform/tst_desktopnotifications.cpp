#include "FakeClock.h"
#include "platform/DesktopNotifications.h"

#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

/// The desktop's notification service as the tests see it: records every Notify call and
/// every launcher badge signal on the bus.
class FakeNotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Notification
    {
        QString appName;
        QString icon;
        QString body;
        QStringList actions;
        QVariantMap hints;
    };

    QList<Notification> notifications;
    QList<QVariantMap> launcherUpdates;

public slots:
    uint Notify(const QString &appName, uint, const QString &icon, const QString &,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int)
    {
        notifications.append({appName, icon, body, actions, hints});
        return uint(notifications.size());
    }

    void launcherUpdate(const QString &appUri, const QVariantMap &properties)
    {
        if (appUri == DesktopNotifications::launcherAppUri)
            launcherUpdates.append(properties);
    }
};

namespace {

LocalNotification dueIn(const FakeClock &clock, double seconds, qint64 badge)
{
    return {QDateTime::fromMSecsSinceEpoch(qint64((clock.now + seconds) * 1000)),
            u"停水通知\n周六停水"_s, u"打开应用"_s, badge};
}

/// The fake service under the desktop's name, on a session bus connection of its own.
struct FakeDesktop
{
    QDBusConnection bus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"tarvo-fake-service"_s);
    FakeNotificationService service;
    bool registered = false;

    FakeDesktop()
    {
        registered = bus.registerObject(u"/org/freedesktop/Notifications"_s, &service,
                                        QDBusConnection::ExportAllSlots) &&
                     bus.registerService(u"org.freedesktop.Notifications"_s);
    }
    ~FakeDesktop()
    {
        bus.unregisterService(u"org.freedesktop.Notifications"_s);
        bus.unregisterObject(u"/org/freedesktop/Notifications"_s);
    }
};

/// The desktop's signal that the customer took a notification's action ("default" is the
/// key the app gives "打开应用").
void invokeAction(QDBusConnection &bus, uint id)
{
    QDBusMessage invoked =
        QDBusMessage::createSignal(u"/org/freedesktop/Notifications"_s,
                                   u"org.freedesktop.Notifications"_s, u"ActionInvoked"_s);
    invoked << id << u"default"_s;
    bus.send(invoked);
}

QDBusConnection noBus()
{
    return QDBusConnection::connectToBus(u"unix:path=/nonexistent/tarvo-test-bus"_s,
                                         u"tarvo-no-bus"_s);
}

} // namespace

class TestDesktopNotifications : public QObject
{
    Q_OBJECT

private:
    FakeClock m_clock;

private slots:
    void withoutABusTheAppShowsIt()
    {
        DesktopNotifications notifications(noBus());
        notifications.setClock(&m_clock);
        notifications.registerUserNotificationSettings(7);
        QSignalSpy banners(&notifications, &DesktopNotifications::bannerRequested);
        QElapsedTimer waited;
        waited.start();

        notifications.scheduleLocalNotification(dueIn(m_clock, 1, 3));

        QVERIFY(banners.wait(3000));
        QVERIFY2(waited.elapsed() >= 900, "shown before its fire date");
        QCOMPARE(banners.takeFirst(),
                 (QVariantList{u"停水通知\n周六停水"_s, u"打开应用"_s, qint64(3)}));
        QCOMPARE(notifications.applicationIconBadgeNumber(), 3);
        // Once only.
        QTest::qWait(200);
        QVERIFY(banners.isEmpty());
    }

    void kindsAskedFor_data()
    {
        QTest::addColumn<int>("typeMask");
        QTest::addColumn<bool>("windowInFront");
        QTest::addColumn<int>("banners");
        QTest::addColumn<qint64>("badge");

        QTest::newRow("alert, badge and sound") << 7 << false << 1 << qint64(2);
        QTest::newRow("alert only") << 4 << false << 1 << qint64(0);
        QTest::newRow("badge only") << 1 << false << 0 << qint64(2);
        QTest::newRow("never asked") << 0 << false << 0 << qint64(0);
        // The customer is looking at the app: the message shows, the launcher stays clear.
        QTest::newRow("window in front") << 7 << true << 1 << qint64(0);
    }

    void kindsAskedFor()
    {
        QFETCH(int, typeMask);
        QFETCH(bool, windowInFront);
        QFETCH(int, banners);
        QFETCH(qint64, badge);
        DesktopNotifications notifications(noBus());
        notifications.setClock(&m_clock);
        notifications.setWindowInFront(windowInFront);
        if (typeMask)
            notifications.registerUserNotificationSettings(typeMask);
        QSignalSpy bannerSpy(&notifications, &DesktopNotifications::bannerRequested);

        // A fire date already past is due at once.
        notifications.scheduleLocalNotification(dueIn(m_clock, -5, 2));
        QTest::qWait(50);

        QCOMPARE(bannerSpy.size(), banners);
        QCOMPARE(notifications.applicationIconBadgeNumber(), badge);
    }

    void theDesktopShowsItOverDBus()
    {
        const QDBusConnection appBus = QDBusConnection::sessionBus();
        if (!appBus.isConnected())
            QSKIP("no session bus (the dbus-run-session variant of this test has one)");
        FakeDesktop desktop;
        if (!desktop.registered)
            QSKIP("this session already has a notification service");
        QDBusConnection &serviceBus = desktop.bus;
        FakeNotificationService &service = desktop.service;
        QVERIFY(serviceBus.connect(QString(), QString(), u"com.canonical.Unity.LauncherEntry"_s,
                                   u"Update"_s, &service,
                                   SLOT(launcherUpdate(QString, QVariantMap))));
        DesktopNotifications notifications(appBus);
        notifications.setClock(&m_clock);
        notifications.registerUserNotificationSettings(7);
        QSignalSpy banners(&notifications, &DesktopNotifications::bannerRequested);

        notifications.scheduleLocalNotification(dueIn(m_clock, 0, 1));
        notifications.scheduleLocalNotification(dueIn(m_clock, 0, 2));
        QTRY_COMPARE(service.notifications.size(), 2);
        notifications.setApplicationIconBadgeNumber(0);

        QCOMPARE(service.notifications[0].body, u"停水通知\n周六停水"_s);
        QCOMPARE(service.notifications[0].actions, (QStringList{u"default"_s, u"打开应用"_s}));
        // Under the name and icon of the app's menu entry.
        QCOMPARE(service.notifications[0].appName, u"Tarvo在线缴费"_s);
        QCOMPARE(service.notifications[0].icon, u"tarvo"_s);
        QCOMPARE(service.notifications[0].hints.value(u"desktop-entry"_s).toString(), u"tarvo"_s);
        QTRY_COMPARE(service.launcherUpdates.size(), 3);
        const QList<QPair<qint64, bool>> expected{{1, true}, {2, true}, {0, false}};
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QCOMPARE(service.launcherUpdates[i].value(u"count"_s).toLongLong(), expected[i].first);
            QCOMPARE(service.launcherUpdates[i].value(u"count-visible"_s).toBool(),
                     expected[i].second);
        }
        QVERIFY(banners.isEmpty());

        // Without the service on the bus the app shows it itself.
        QVERIFY(serviceBus.unregisterService(u"org.freedesktop.Notifications"_s));
        notifications.scheduleLocalNotification(dueIn(m_clock, 0, 3));
        QVERIFY(banners.wait(5000));
        QCOMPARE(banners.takeFirst().at(2), QVariant(qint64(3)));
        QCOMPARE(service.notifications.size(), 2);
    }

    void actionOpensTheApp()
    {
        const QDBusConnection appBus = QDBusConnection::sessionBus();
        if (!appBus.isConnected())
            QSKIP("no session bus (the dbus-run-session variant of this test has one)");
        FakeDesktop desktop;
        if (!desktop.registered)
            QSKIP("this session already has a notification service");
        DesktopNotifications notifications(appBus);
        notifications.setClock(&m_clock);
        notifications.registerUserNotificationSettings(7);
        QSignalSpy opened(&notifications, &DesktopNotifications::openAppRequested);
        notifications.scheduleLocalNotification(dueIn(m_clock, 0, 1));
        QTRY_COMPARE(desktop.service.notifications.size(), 1);

        // "打开应用" taken; the app knows its id once the desktop's answer to Notify is in.
        QTRY_VERIFY((invokeAction(desktop.bus, 1), !opened.isEmpty()));
        opened.clear();

        // Another app's notification, or this one's action again, opens nothing.
        invokeAction(desktop.bus, 99);
        invokeAction(desktop.bus, 1);
        QTest::qWait(200);
        QVERIFY(opened.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDesktopNotifications)
#include "tst_desktopnotifications.moc"
