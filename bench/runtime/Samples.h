#pragma once

#include <chrono>
#include <cstddef>
#include <vector>

namespace dirdock::bench {

using BenchClock = std::chrono::steady_clock;

// Microseconds between two readings of the monotonic clock.
double MicrosecondsBetween(BenchClock::time_point from, BenchClock::time_point to);

// The middle and the tail of a set of timings.
struct Summary {
    std::size_t count = 0;
    double median = 0;
    double p99 = 0;
    double max = 0;
};

// Nearest-rank percentiles; an empty set gives zeros.
Summary Summarise(std::vector<double> samples);

} // namespace dirdock::bench
