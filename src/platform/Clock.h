#pragma once

/// The current time, injectable so that time-dependent rules can be tested.
class Clock
{
public:
    virtual ~Clock() = default;

    /// Seconds since 1970-01-01 00:00 UTC, with the fraction.
    virtual double secondsSinceEpoch() const = 0;
};

/// The system's wall clock.
class SystemClock final : public Clock
{
public:
    double secondsSinceEpoch() const override;
};
