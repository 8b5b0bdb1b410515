#pragma once

#include <string>

namespace dirdock::bench {

// Seconds one run of a shell command takes, from spawn to exit, on the
// monotonic clock; negative when it could not run or failed.
double TimeShellCommand(const std::string& command);

// Seconds on the monotonic clock, for timing our own side the same way.
double MonotonicSeconds();

} // namespace dirdock::bench
