#pragma once

#include <cstdint>

namespace zindo {

/// Where the game gets its time from. The real clock reads the system; tests
/// use TManualClock and move time by hand, so a whole level can be timed out
/// without waiting.
class TClock {
public:
    virtual ~TClock() = default;

    /// Milliseconds since an arbitrary start, 32 bits, wrapping. Differences of
    /// ticks are taken with TickDiff.
    virtual std::uint32_t TickCount() const = 0;

    /// Local calendar time as days since 1899-12-30 (fraction = time of day).
    virtual double Now() const = 0;

    /// A fast-running counter whose low 32 bits seed the random generator.
    virtual std::uint64_t PerformanceCounter() const = 0;
};

/// |a - b| taken as the absolute value of the signed 32-bit difference, so that
/// the wrap of the tick counter every 49.7 days does not disturb timing.
inline std::uint32_t TickDiff(std::uint32_t a, std::uint32_t b)
{
    const std::int32_t d = static_cast<std::int32_t>(a - b);
    return d < 0 ? static_cast<std::uint32_t>(-static_cast<std::int64_t>(d))
                 : static_cast<std::uint32_t>(d);
}

/// Milliseconds in one day of the calendar clock.
inline constexpr double MsPerDay = 86400000.0;

/// The system's clocks: steady_clock for ticks and the counter, local time for
/// the day count.
class TSystemClock : public TClock {
public:
    std::uint32_t TickCount() const override;
    double Now() const override;
    std::uint64_t PerformanceCounter() const override;
};

/// A clock that moves only when told. Ticks and calendar advance together.
class TManualClock : public TClock {
public:
    explicit TManualClock(std::uint32_t StartTick = 1000, double StartDay = 46000.5)
        : Tick(StartTick), Day(StartDay) {}

    std::uint32_t TickCount() const override { return Tick; }
    double Now() const override { return Day; }
    std::uint64_t PerformanceCounter() const override { return Counter ? Counter : Tick; }

    /// Moves both clocks forward by Ms milliseconds (the tick wraps).
    void Advance(std::uint32_t Ms)
    {
        Tick += Ms;
        Day += Ms / MsPerDay;
    }
    void SetTick(std::uint32_t ATick) { Tick = ATick; }
    /// A fixed counter value for reseeding; 0 means "use the tick".
    void SetPerformanceCounter(std::uint64_t Value) { Counter = Value; }

private:
    std::uint32_t Tick;        ///< current tick
    double Day;                ///< current calendar day count
    std::uint64_t Counter = 0; ///< fixed counter value, 0 = follow the tick
};

/// The clock of the running program.
TClock& SystemClock();

} // namespace zindo
