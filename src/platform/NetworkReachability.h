#pragma once

#include "Reachability.h"

/// Reachability from Qt's network information backends.
///
/// Uses the platform's default backend, or "glib" where that one does not load, loaded at the
/// first question. When no backend can tell, the network counts as reachable: the request then
/// shows what holds.
class NetworkReachability final : public Reachability
{
public:
    bool isReachable() const override;
};
