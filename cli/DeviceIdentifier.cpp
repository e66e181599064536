#include "DeviceIdentifier.h"

#include "CliOutput.h"
#include "platform/IniSettingsStore.h"

using namespace Qt::StringLiterals;

std::optional<QString> deviceIdentifier(const AppOptions &options, const QString &given)
{
    // Kept name (stored): see docs/names.md
    const QString deviceId =
        given.isEmpty() ? IniSettingsStore(options.home).string(u"UUID"_s) : given;
    if (deviceId.isEmpty()) {
        CliOutput::error(u"no device identifier in %1: start the app once with this home, or "
                         u"pass --uuid"_s.arg(options.home));
        return std::nullopt;
    }
    return deviceId;
}
