#pragma once

#include "platform/Reachability.h"

/// Reachability the test sets; counts how often it was asked.
class FakeReachability final : public Reachability
{
public:
    bool isReachable() const override
    {
        ++checks;
        return reachable;
    }

    bool reachable = true;
    mutable int checks = 0;
};
