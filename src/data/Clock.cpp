#include "Clock.h"

#include <QDateTime>

#include <chrono>

namespace zindo {

std::uint32_t TSystemClock::TickCount() const
{
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(ms);
}

double TSystemClock::Now() const
{
    // Days since 1899-12-30 in local time; the Unix epoch is day 25569.
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 localMs = now.toMSecsSinceEpoch() + qint64(now.offsetFromUtc()) * 1000;
    return 25569.0 + double(localMs) / MsPerDay;
}

std::uint64_t TSystemClock::PerformanceCounter() const
{
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count());
}

TClock& SystemClock()
{
    static TSystemClock clock;
    return clock;
}

} // namespace zindo
