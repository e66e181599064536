#pragma once

#include "platform/LocalNotifications.h"

#include <QList>

/// Records every permission request, scheduled notification and badge number.
class FakeLocalNotifications final : public LocalNotifications
{
public:
    void registerUserNotificationSettings(int typeMask) override
    {
        permissionRequests.append(typeMask);
    }

    void scheduleLocalNotification(const LocalNotification &notification) override
    {
        scheduled.append(notification);
    }

    void setApplicationIconBadgeNumber(qint64 number) override { badgeNumbers.append(number); }

    QList<int> permissionRequests;
    QList<LocalNotification> scheduled;
    QList<qint64> badgeNumbers;
};
