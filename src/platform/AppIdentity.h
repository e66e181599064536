#pragma once

#include <QLatin1StringView>
#include <QStringView>

/// How the desktop knows the app: the names in its menu entry (resources/desktop/tarvo.desktop)
/// and its icon in the icon theme. The window, the notifications and the launcher use these.
namespace AppIdentity {

/// The customer's name for the app: the window's title and the sender of its notifications.
inline constexpr QStringView displayName{u"Tarvo在线缴费"};
/// The menu entry's file name without ".desktop".
inline constexpr QLatin1StringView desktopEntry{"tarvo"};
/// The icon's name in the hicolor theme.
inline constexpr QLatin1StringView iconName{"tarvo"};

} // namespace AppIdentity
