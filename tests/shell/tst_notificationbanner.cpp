#include "QmlModules.h"
#include "platform/DesktopNotifications.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>

using namespace Qt::StringLiterals;

/// The in-app banner that stands in for a desktop without a notification service.
class TestNotificationBanner : public QObject
{
    Q_OBJECT

private:
    static QString text(QObject *banner, const char *name)
    {
        QObject *item = banner->findChild<QObject *>(QLatin1StringView(name));
        return item ? item->property("text").toString() : u"<missing>"_s;
    }

private slots:
    void showsEachNotificationInTurn()
    {
        DesktopNotifications notifications(
            QDBusConnection::connectToBus(u"unix:path=/nonexistent/bus"_s, u"none"_s));
        QQmlEngine engine;
        importQmlModules(engine);
        QQmlComponent component(&engine, QUrl(u"qrc:/qt/qml/Tarvo/Shell/NotificationBanner.qml"_s));
        std::unique_ptr<QObject> banner(component.createWithInitialProperties(
            {{u"source"_s, QVariant::fromValue<QObject *>(&notifications)}}));
        QVERIFY2(banner, qPrintable(component.errorString()));
        QVERIFY(!banner->property("visible").toBool());

        emit notifications.bannerRequested(u"停水通知\n周六停水"_s, u"打开应用"_s, 1);
        emit notifications.bannerRequested(u"缴费提醒\n账单已出"_s, u"打开应用"_s, 2);

        QVERIFY(banner->property("visible").toBool());
        QCOMPARE(banner->property("count").toInt(), 2);
        QCOMPARE(text(banner.get(), "bannerBody"), u"停水通知\n周六停水"_s);
        QCOMPARE(text(banner.get(), "bannerAction"), u"打开应用"_s);
        QCOMPARE(text(banner.get(), "bannerBadge"), u"1"_s);
    }
};

QTEST_MAIN(TestNotificationBanner)
#include "tst_notificationbanner.moc"
