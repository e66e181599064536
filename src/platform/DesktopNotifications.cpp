#include "DesktopNotifications.h"

#include "PlatformLog.h"

void DesktopNotifications::registerUserNotificationSettings(int typeMask)
{
    m_requestedTypes |= typeMask;
    qCInfo(lcPlatform) << "notification permission asked for types" << typeMask
                       << "(granted: a desktop needs none)";
}
