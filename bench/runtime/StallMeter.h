#pragma once

#include <QObject>
#include <QTimer>

#include "Samples.h"

namespace dirdock::bench {

// Measures how long the GUI thread goes without serving its timers: a
// timer fires every few milliseconds and the longest gap between firings
// is kept. GUI thread only.
class StallMeter : public QObject {
public:
    explicit StallMeter(int intervalMs = 5);

    void start();
    // Stops and returns the longest gap in ms, the one up to now included.
    double stop();

private:
    void tick();

    QTimer m_timer;
    BenchClock::time_point m_last;
    double m_longest = 0;
};

} // namespace dirdock::bench
