#pragma once

#include <QDateTime>
#include <QString>

/// A notification the app posts itself, shown once at its fire date.
struct LocalNotification
{
    QDateTime fireDate;
    QString alertBody;
    /// What the customer does to open the app from the notification.
    QString alertAction;
    /// The number the app's badge shows once the notification is shown.
    qint64 applicationIconBadgeNumber = 0;

    friend bool operator==(const LocalNotification &, const LocalNotification &) = default;
};

/// Notifications that the app posts itself, the customer's permission for them, and the
/// number on the app's badge.
class LocalNotifications
{
public:
    /// Kinds of notification, combined as a mask.
    enum Type {
        Badge = 1,
        Sound = 2,
        Alert = 4,
    };

    virtual ~LocalNotifications() = default;

    /// Asks permission to use the kinds in `typeMask`; asking again is harmless.
    // Kept name (traceability): see docs/names.md
    virtual void registerUserNotificationSettings(int typeMask) = 0;

    /// Shows the notification once, at its fire date (at once when that has passed).
    // Kept name (traceability): see docs/names.md
    virtual void scheduleLocalNotification(const LocalNotification &notification) = 0;

    /// Sets the number on the app's badge; 0 clears it. Scheduled notifications stay.
    virtual void setApplicationIconBadgeNumber(qint64 number) = 0;
};
