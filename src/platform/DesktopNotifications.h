#pragma once

#include "LocalNotifications.h"

/// Notifications on a desktop, where the app may notify without asking first.
///
/// The permission request is only remembered, so that later notifications can honour
/// the kinds the app asked for.
class DesktopNotifications final : public LocalNotifications
{
public:
    void registerUserNotificationSettings(int typeMask) override;

    /// The kinds asked for so far (0 before any request).
    int requestedTypes() const { return m_requestedTypes; }

private:
    int m_requestedTypes = 0;
};
