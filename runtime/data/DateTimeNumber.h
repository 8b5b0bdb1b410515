#pragma once

#include <cstdint>
#include <ctime>

namespace dirdock {

// A date number is year * 10000 + month * 100 + day (20261211 for
// 11 December 2026); a time number is hundredths of a second since midnight
// plus one, so that midnight is 1. Both grow with time, and 0 means "none".
struct LocalDateTime {
    std::int32_t date = 0;
    std::int32_t time = 0;
};

// The local date and time of a moment, in the process's time zone.
LocalDateTime ToLocalDateTime(std::time_t seconds, long nanoseconds);

struct CivilDate {
    int year, month, day;
};
struct CivilTime {
    int hour, minute, second, hundredths;
};
CivilDate DateFromNumber(std::int32_t date);
CivilTime TimeFromNumber(std::int32_t time);

} // namespace dirdock
