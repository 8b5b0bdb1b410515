#include "Samples.h"

#include <algorithm>
#include <cmath>

namespace dirdock::bench {

double MicrosecondsBetween(BenchClock::time_point from, BenchClock::time_point to)
{
    return std::chrono::duration<double, std::micro>(to - from).count();
}

namespace {

double Rank(const std::vector<double>& sorted, double fraction)
{
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

} // namespace

Summary Summarise(std::vector<double> samples)
{
    if (samples.empty())
        return {};
    std::sort(samples.begin(), samples.end());
    return Summary{samples.size(), Rank(samples, 0.5), Rank(samples, 0.99), samples.back()};
}

} // namespace dirdock::bench
