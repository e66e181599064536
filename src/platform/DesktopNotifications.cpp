#include "DesktopNotifications.h"

#include "AppIdentity.h"
#include "PlatformLog.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

constexpr QLatin1StringView notificationsService{"org.freedesktop.Notifications"};
constexpr QLatin1StringView notificationsPath{"/org/freedesktop/Notifications"};
constexpr QLatin1StringView launcherPath{"/com/tarvo/pay/LauncherEntry"};
constexpr QLatin1StringView launcherInterface{"com.canonical.Unity.LauncherEntry"};

} // namespace

DesktopNotifications::DesktopNotifications(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
    if (m_bus.isConnected())
        m_bus.connect(notificationsService, notificationsPath, notificationsService,
                      u"ActionInvoked"_s, this, SLOT(actionInvoked(uint, QString)));
}

void DesktopNotifications::registerUserNotificationSettings(int typeMask)
{
    m_requestedTypes |= typeMask;
    qCInfo(lcPlatform) << "notification permission asked for types" << typeMask
                       << "(granted: a desktop needs none)";
}

void DesktopNotifications::scheduleLocalNotification(const LocalNotification &notification)
{
    const qint64 now = qint64(m_clock->secondsSinceEpoch() * 1000);
    const qint64 delay = std::max<qint64>(0, notification.fireDate.toMSecsSinceEpoch() - now);
    QTimer::singleShot(std::chrono::milliseconds(delay), this,
                       [this, notification] { present(notification); });
}

void DesktopNotifications::setApplicationIconBadgeNumber(qint64 number)
{
    if (number == m_badgeNumber)
        return;
    m_badgeNumber = number;
    emit applicationIconBadgeNumberChanged();
    updateLauncher();
}

void DesktopNotifications::actionInvoked(uint id, const QString &actionKey)
{
    if (!m_shownIds.remove(id))
        return;
    qCInfo(lcPlatform) << "notification" << id << "action" << actionKey << "taken: opening the app";
    emit openAppRequested();
}

void DesktopNotifications::present(const LocalNotification &notification)
{
    if (m_requestedTypes & Badge && notification.applicationIconBadgeNumber > 0 && !m_windowInFront)
        setApplicationIconBadgeNumber(notification.applicationIconBadgeNumber);
    if (!(m_requestedTypes & Alert))
        return;
    if (!m_bus.isConnected()) {
        qCInfo(lcPlatform) << "no session bus: notification with badge"
                           << notification.applicationIconBadgeNumber << "shown in the app";
        emit bannerRequested(notification.alertBody, notification.alertAction,
                             notification.applicationIconBadgeNumber);
        return;
    }
    notifyDesktop(notification);
}

void DesktopNotifications::notifyDesktop(const LocalNotification &notification)
{
    QDBusMessage notify = QDBusMessage::createMethodCall(notificationsService, notificationsPath,
                                                         notificationsService, u"Notify"_s);
    const QString appName = AppIdentity::displayName.toString();
    // "default" is the action taken by clicking the notification itself; the desktop entry
    // lets the desktop group the notifications under the app's menu entry.
    notify << appName << uint(0) << QString(AppIdentity::iconName) << appName
           << notification.alertBody << QStringList{u"default"_s, notification.alertAction}
           << QVariantMap{{u"desktop-entry"_s, QString(AppIdentity::desktopEntry)}} << qint32(-1);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(notify), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, notification] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        if (!reply.isError()) {
            m_shownIds.insert(reply.value());
            qCInfo(lcPlatform) << "notification" << reply.value() << "shown by the desktop, badge"
                               << notification.applicationIconBadgeNumber;
            return;
        }
        // No notification service on this bus: the app shows it itself.
        qCInfo(lcPlatform).noquote()
            << "the desktop cannot show notifications:" << reply.error().name()
            << "- notification with badge" << notification.applicationIconBadgeNumber
            << "shown in the app";
        emit bannerRequested(notification.alertBody, notification.alertAction,
                             notification.applicationIconBadgeNumber);
    });
}

void DesktopNotifications::updateLauncher()
{
    if (!m_bus.isConnected())
        return;
    // A signal, not a call: a launcher that shows badges listens, others ignore it.
    QDBusMessage update = QDBusMessage::createSignal(launcherPath, launcherInterface, u"Update"_s);
    update << QString(launcherAppUri)
           << QVariantMap{{u"count"_s, m_badgeNumber}, {u"count-visible"_s, m_badgeNumber > 0}};
    m_bus.send(update);
}
