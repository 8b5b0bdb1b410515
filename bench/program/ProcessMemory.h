#pragma once

namespace dirdock::bench {

// The process's resident set now and at its peak, in KiB, from
// /proc/self/status; -1 where the line is missing.
struct ProcessMemory {
    long residentKiB = -1; // VmRSS
    long peakKiB = -1;     // VmHWM
};

ProcessMemory ReadProcessMemory();

} // namespace dirdock::bench
