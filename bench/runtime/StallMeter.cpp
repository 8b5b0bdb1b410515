#include "StallMeter.h"

#include <algorithm>

namespace dirdock::bench {

StallMeter::StallMeter(int intervalMs)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
}

void StallMeter::start()
{
    m_longest = 0;
    m_last = BenchClock::now();
    m_timer.start();
}

double StallMeter::stop()
{
    tick();
    m_timer.stop();
    return m_longest;
}

void StallMeter::tick()
{
    const auto now = BenchClock::now();
    m_longest = std::max(m_longest, MicrosecondsBetween(m_last, now) / 1000);
    m_last = now;
}

} // namespace dirdock::bench
