#pragma once

#include "platform/Clock.h"

/// A clock that shows whatever the test sets.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(double seconds = 1480000000.9)
        : now(seconds)
    {
    }
    double secondsSinceEpoch() const override { return now; }

    double now;
};
