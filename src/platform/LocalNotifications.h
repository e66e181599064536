#pragma once

/// Notifications that the app posts itself, and the customer's permission for them.
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
    virtual void registerUserNotificationSettings(int typeMask) = 0;
};
