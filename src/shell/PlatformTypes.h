#pragma once

#include "platform/DesktopNotifications.h"

#include <QtQml/qqml.h>

/// The platform objects the main window shows, as QML types of the shell.
struct DesktopNotificationsType
{
    Q_GADGET
    QML_FOREIGN(DesktopNotifications)
    QML_NAMED_ELEMENT(DesktopNotifications)
    QML_UNCREATABLE("made by the app's C++")
};
