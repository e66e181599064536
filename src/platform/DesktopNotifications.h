#pragma once

#include "Clock.h"
#include "LocalNotifications.h"

#include <QDBusConnection>
#include <QObject>

/// Notifications on a Linux desktop: shown by the desktop's notification service, with the
/// badge on the launcher, over D-Bus; shown by the app itself where the desktop has none.
///
/// A desktop needs no permission, so the request is only remembered: notifications then
/// use the kinds asked for (alert, badge).
class DesktopNotifications final : public QObject, public LocalNotifications
{
    Q_OBJECT
    Q_PROPERTY(qint64 applicationIconBadgeNumber READ applicationIconBadgeNumber NOTIFY
                   applicationIconBadgeNumberChanged)

public:
    /// The launcher knows the app by its desktop file.
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

signals:
    /// A notification is due and the desktop cannot show it: the app's window shows it.
    void bannerRequested(const QString &body, const QString &action, qint64 badgeNumber);
    void applicationIconBadgeNumberChanged();

private:
    void present(const LocalNotification &notification);
    void notifyDesktop(const LocalNotification &notification);
    void updateLauncher();

    QDBusConnection m_bus;
    SystemClock m_systemClock;
    const Clock *m_clock = &m_systemClock;
    int m_requestedTypes = 0;
    qint64 m_badgeNumber = 0;
};
