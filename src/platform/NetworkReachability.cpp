#include "NetworkReachability.h"

#include "PlatformLog.h"

#include <QNetworkInformation>

namespace {

// Loading a backend opens its plugin and asks the system bus, which would hold up the first
// frame: it is done when a screen first asks, on a tap. The backends read the state as they
// load, so that first answer is already the system's.
const QNetworkInformation *information()
{
    static const bool loaded = [] {
        if (QNetworkInformation::instance() || QNetworkInformation::loadDefaultBackend() ||
            QNetworkInformation::loadBackendByName(u"glib"))
            return true;
        qCInfo(lcPlatform) << "no network information backend; the network counts as reachable";
        return false;
    }();
    return loaded ? QNetworkInformation::instance() : nullptr;
}

} // namespace

bool NetworkReachability::isReachable() const
{
    const QNetworkInformation *backend = information();
    if (!backend)
        return true;
    // Only a definite "disconnected" refuses: a local (Wi-Fi) route or an unknown state
    // still lets the request try.
    return backend->reachability() != QNetworkInformation::Reachability::Disconnected;
}
