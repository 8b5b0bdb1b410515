#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace dirdock {

// Sets the process's time zone for one test and puts the old one back.
class TimeZoneGuard {
public:
    explicit TimeZoneGuard(const char* zone)
    {
        if (const char* old = std::getenv("TZ"))
            m_old = old;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~TimeZoneGuard()
    {
        if (m_old)
            ::setenv("TZ", m_old->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    TimeZoneGuard(const TimeZoneGuard&) = delete;
    TimeZoneGuard& operator=(const TimeZoneGuard&) = delete;

private:
    std::optional<std::string> m_old;
};

} // namespace dirdock
