#include "NetworkReachability.h"

#include "PlatformLog.h"

#include <QNetworkInformation>

using namespace Qt::StringLiterals;

NetworkReachability::NetworkReachability()
{
    if (QNetworkInformation::instance())
        return;
    if (!QNetworkInformation::loadDefaultBackend() && !QNetworkInformation::load(u"glib"_s))
        qCInfo(lcPlatform) << "no network information backend; the network counts as reachable";
}

bool NetworkReachability::isReachable() const
{
    const QNetworkInformation *information = QNetworkInformation::instance();
    if (!information)
        return true;
    // Only a definite "disconnected" refuses: a local (Wi-Fi) route or an unknown state
    // still lets the request try.
    return information->reachability() != QNetworkInformation::Reachability::Disconnected;
}
