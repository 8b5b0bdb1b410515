#include "DateTimeNumber.h"

namespace dirdock {

LocalDateTime ToLocalDateTime(std::time_t seconds, long nanoseconds)
{
    std::tm local{};
    if (!localtime_r(&seconds, &local))
        return {};
    const long hundredths = (nanoseconds >= 0 && nanoseconds < 1000000000L) ? nanoseconds / 10000000L : 0;
    const long long year = local.tm_year + 1900LL;
    if (year < 1 || year > 9999)
        return {};
    LocalDateTime result;
    result.date = static_cast<std::int32_t>(year * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday);
    // A leap second shows as the last hundredth of its minute.
    const int second = local.tm_sec > 59 ? 59 : local.tm_sec;
    result.time = static_cast<std::int32_t>(((local.tm_hour * 60L + local.tm_min) * 60L + second) * 100L + hundredths + 1);
    return result;
}

CivilDate DateFromNumber(std::int32_t date)
{
    return {date / 10000, date / 100 % 100, date % 100};
}

CivilTime TimeFromNumber(std::int32_t time)
{
    const std::int32_t hundredths = time - 1;
    return {hundredths / 360000, hundredths / 6000 % 60, hundredths / 100 % 60, hundredths % 100};
}

} // namespace dirdock
