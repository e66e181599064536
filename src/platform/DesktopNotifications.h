#pragma once

#include "Clock.h"
#include "LocalNotifications.h"

#include <QDBusConnection>
#include <QObject>
#include <QSet>

/// Notifications on a Linux desktop: shown by the desktop's notification service, with the
/// badge on the launcher, over D-Bus; shown by the app itself where the desktop has none.
///
/// A desktop needs no permission, so the request is only remembered: notifications then
/// use the kinds asked for (alert, badge). While the app's window is in front the badge is
/// left alone: the customer is looking at the app already.
class DesktopNotifications : public QObject, public LocalNotifications
{
    Q_OBJECT
    Q_PROPERTY(qint64 applicationIconBadgeNumber READ applicationIconBadgeNumber NOTIFY
                   applicationIconBadgeNumberChanged)

public:
    /// The launcher knows the app by its menu entry (`AppIdentity::desktopEntry`).
    static constexpr QLatin1StringView launcherAppUri{"application://tarvo.desktop"};

    explicit DesktopNotifications(const QDBusConnection &bus = QDBusConnection::sessionBus(),
                                  QObject *parent = nullptr);

    void registerUserNotificationSettings(int typeMask) override;
    void scheduleLocalNotification(const LocalNotification &notification) override;
    void setApplicationIconBadgeNumber(qint64 number) override;

    /// The kinds asked for so far (0 before any request).
    int requestedTypes() const { return m_requestedTypes; }
    qint64 applicationIconBadgeNumber() const { return m_badgeNumber; }

    /// The clock that fire dates are measured against; the system clock unless set.
    void setClock(const Clock *clock) { m_clock = clock; }

    /// Whether the app's window is in front; not in front until told.
    void setWindowInFront(bool inFront) { m_windowInFront = inFront; }

signals:
    /// The customer took the action of one of the app's notifications on the desktop
    /// ("打开应用", or a click on the notification): the app's window should come to front.
    void openAppRequested();
    /// A notification is due and the desktop cannot show it: the app's window shows it.
    void bannerRequested(const QString &body, const QString &action, qint64 badgeNumber);
    void applicationIconBadgeNumberChanged();

private slots:
    void actionInvoked(uint id, const QString &actionKey);

private:
    void present(const LocalNotification &notification);
    void notifyDesktop(const LocalNotification &notification);
    void updateLauncher();

    QDBusConnection m_bus;
    SystemClock m_systemClock;
    const Clock *m_clock = &m_systemClock;
    int m_requestedTypes = 0;
    qint64 m_badgeNumber = 0;
    bool m_windowInFront = false;
    /// Ids the desktop gave this app's notifications: its action signals reach every client.
    QSet<uint> m_shownIds;
};
