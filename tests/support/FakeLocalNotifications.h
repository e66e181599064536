#pragma once

#include "platform/LocalNotifications.h"

#include <QList>

/// Records every permission request.
class FakeLocalNotifications final : public LocalNotifications
{
public:
    void registerUserNotificationSettings(int typeMask) override
    {
        permissionRequests.append(typeMask);
    }

    QList<int> permissionRequests;
};
