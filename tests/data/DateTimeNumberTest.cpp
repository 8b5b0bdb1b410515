#include <gtest/gtest.h>

#include <string>

#include "TimeZoneGuard.h"
#include "runtime/data/DateTimeNumber.h"

namespace dirdock {
namespace {

struct MomentCase {
    const char* label;
    const char* zone;
    std::time_t seconds;
    long nanoseconds;
    std::int32_t date;
    std::int32_t time;
    friend void PrintTo(const MomentCase& c, std::ostream* os) { *os << c.label; }
};

class LocalDateTimeTest : public ::testing::TestWithParam<MomentCase> {};

TEST_P(LocalDateTimeTest, EncodesTheLocalMoment)
{
    const MomentCase& c = GetParam();
    const TimeZoneGuard zone(c.zone);
    const LocalDateTime local = ToLocalDateTime(c.seconds, c.nanoseconds);
    EXPECT_EQ(local.date, c.date);
    EXPECT_EQ(local.time, c.time);
}

// 1796996730 is 11 December 2026, 13:45:30 UTC.
INSTANTIATE_TEST_SUITE_P(
    Cases, LocalDateTimeTest,
    ::testing::Values(MomentCase{"epochIsMidnightPlusOne", "UTC", 0, 0, 19700101, 1},
                      MomentCase{"lastSecondBefore1970", "UTC", -1, 0, 19691231, 8639901},
                      MomentCase{"year1900", "UTC", -2208988800, 0, 19000101, 1},
                      MomentCase{"leapDay", "UTC", 951782400, 0, 20000229, 1},
                      MomentCase{"hundredthsTruncated", "UTC", 1796996730, 259999999, 20261211, 4953026},
                      MomentCase{"lastHundredth", "UTC", 1796996730, 999999999, 20261211, 4953100},
                      MomentCase{"zoneEastOfUtc", "CET-1CEST,M3.5.0,M10.5.0/3", 1796996730, 250000000, 20261211,
                                 5313026},
                      MomentCase{"zoneWestCrossesTheDate", "EST5", 0, 0, 19691231, 6840001},
                      MomentCase{"summerTime", "CET-1CEST,M3.5.0,M10.5.0/3", 1783771200, 0, 20260711, 5040001}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(DateTimeNumberTest, DecodesWhatItEncodes)
{
    const CivilDate date = DateFromNumber(20261211);
    EXPECT_EQ(date.year, 2026);
    EXPECT_EQ(date.month, 12);
    EXPECT_EQ(date.day, 11);
    const CivilTime time = TimeFromNumber(4953026);
    EXPECT_EQ(time.hour, 13);
    EXPECT_EQ(time.minute, 45);
    EXPECT_EQ(time.second, 30);
    EXPECT_EQ(time.hundredths, 25);
}

} // namespace
} // namespace dirdock
