#pragma once

/// Whether the device has a route to the network (Wi-Fi or any other link).
class Reachability
{
public:
    virtual ~Reachability() = default;

    virtual bool isReachable() const = 0;
};
