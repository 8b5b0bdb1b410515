#include <gtest/gtest.h>

#include <string>

#include "runtime/data/DisplayPicture.h"

namespace dirdock {
namespace {

DisplayPicture Picture(const char* text)
{
    const auto picture = DisplayPicture::parse(text);
    EXPECT_TRUE(picture.has_value()) << text;
    return picture.value_or(DisplayPicture{});
}

TEST(DisplayPictureTest, ParsesTheKnownPictures)
{
    const DisplayPicture text = Picture("s255");
    EXPECT_EQ(text.kind, DisplayPicture::Kind::Text);
    EXPECT_EQ(text.width, 255);
    const DisplayPicture date = Picture("d6-");
    EXPECT_EQ(date.kind, DisplayPicture::Kind::Date);
    EXPECT_EQ(date.style, 6);
    EXPECT_EQ(date.separator, '-');
    EXPECT_EQ(Picture("t8").kind, DisplayPicture::Kind::Time);
    const DisplayPicture number = Picture("n-14");
    EXPECT_EQ(number.kind, DisplayPicture::Kind::Number);
    EXPECT_EQ(number.width, 14);
    EXPECT_TRUE(number.signedMinus);
}

class UnknownPictureTest : public ::testing::TestWithParam<const char*> {};

TEST_P(UnknownPictureTest, GivesNothing)
{
    EXPECT_FALSE(DisplayPicture::parse(GetParam()).has_value()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Cases, UnknownPictureTest,
                         ::testing::Values("", "s", "s0", "s-1", "s12x", "s99999999999999999999", "d", "d7",
                                           "d6x", "t", "t1", "t8 ", "n", "n-", "n--14", "x12", "@s12", "s 12"));

struct TextCase {
    const char* label;
    const char* picture;
    std::string text;
    std::string shown;
    friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.label; }
};

class TextPictureTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextPictureTest, Shows)
{
    EXPECT_EQ(Picture(GetParam().picture).formatText(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextPictureTest,
    ::testing::Values(
        TextCase{"trailingBlanksOut", "s255", "name.txt     ", "name.txt"},
        TextCase{"leadingBlanksKept", "s255", "  name", "  name"},
        TextCase{"newlineMadeVisible", "s255", "a\nb", "a\xE2\x90\x8A" "b"},
        TextCase{"nulAndEscape", "s255", std::string("\0\x1B", 2), "\xE2\x90\x80\xE2\x90\x9B"},
        TextCase{"delete", "s255", "a\x7F", "a\xE2\x90\xA1"},
        TextCase{"invalidBytesReplaced", "s255", "a\xFF\xC3(", "a\xEF\xBF\xBD\xEF\xBF\xBD("},
        TextCase{"validUtf8Kept", "s255", "caf\xC3\xA9 \xF0\x9F\x98\x80", "caf\xC3\xA9 \xF0\x9F\x98\x80"},
        TextCase{"cutToWidthInCharacters", "s13", "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9" "abcdefghij",
                 "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9" "abcdef"},
        TextCase{"controlCountsAsOne", "s3", "\t\t\t\t", "\xE2\x90\x89\xE2\x90\x89\xE2\x90\x89"},
        TextCase{"blanksOnly", "s13", "     ", ""}),
    [](const auto& info) { return std::string(info.param.label); });

struct NumberCase {
    const char* label;
    const char* picture;
    std::int64_t value;
    std::string shown;
    friend void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.label; }
};

class NumberPictureTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberPictureTest, Shows)
{
    DisplayLocale locale;
    EXPECT_EQ(Picture(GetParam().picture).formatNumber(GetParam().value, locale), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberPictureTest,
    ::testing::Values(NumberCase{"date", "d6-", 20261211, "11-12-2026"},
                      NumberCase{"datePadded", "d6-", 10102, "02-01-0001"},
                      NumberCase{"dateBefore1970", "d6-", 19691231, "31-12-1969"},
                      NumberCase{"leapDay", "d6-", 20240229, "29-02-2024"},
                      NumberCase{"noLeapDay", "d6-", 20230229, ""}, NumberCase{"centuryNoLeap", "d6-", 19000229, ""},
                      NumberCase{"dateZero", "d6-", 0, ""}, NumberCase{"monthZero", "d6-", 20260011, ""},
                      NumberCase{"monthThirteen", "d6-", 20261311, ""}, NumberCase{"dayZero", "d6-", 20261200, ""},
                      NumberCase{"negativeDate", "d6-", -20261211, ""}, NumberCase{"hugeDate", "d6-", 1LL << 40, ""},
                      NumberCase{"defaultSeparator", "d6", 20261211, "11/12/2026"},
                      NumberCase{"timeMidnight", "t8", 1, "00:00:00"},
                      NumberCase{"timeAfternoon", "t8", 4953026, "13:45:30"},
                      NumberCase{"timeLast", "t8", 8640000, "23:59:59"}, NumberCase{"timeZero", "t8", 0, ""},
                      NumberCase{"timeTooLarge", "t8", 8640001, ""}, NumberCase{"timeNegative", "t8", -5, ""},
                      NumberCase{"numberPadded", "n-14", 1234567, "     1,234,567"},
                      NumberCase{"numberNegative", "n-14", -1234, "        -1,234"},
                      NumberCase{"numberZero", "n-14", 0, "             0"},
                      NumberCase{"numberThreeDigits", "n-14", 999, "           999"},
                      NumberCase{"numberMax32", "n-14", 2147483647, " 2,147,483,647"},
                      NumberCase{"numberMin32", "n-14", -2147483648LL, "-2,147,483,648"},
                      NumberCase{"widerShownWhole", "n-14", 123456789012345LL, "123,456,789,012,345"},
                      NumberCase{"int64Min", "n-14", INT64_MIN, "-9,223,372,036,854,775,808"}),
    [](const auto& info) { return std::string(info.param.label); });

struct TimeFormatCase {
    const char* label;
    const char* format;
    std::int32_t time;
    std::string shown;
    friend void PrintTo(const TimeFormatCase& c, std::ostream* os) { *os << c.label; }
};

class TimeFormatTest : public ::testing::TestWithParam<TimeFormatCase> {};

TEST_P(TimeFormatTest, FollowsTheLocale)
{
    DisplayLocale locale;
    locale.timeFormat = GetParam().format;
    EXPECT_EQ(Picture("t8").formatNumber(GetParam().time, locale), GetParam().shown);
}

// 4953026 is 13:45:30.25; 3153026 is 08:45:30.25; 1 is midnight.
INSTANTIATE_TEST_SUITE_P(
    Cases, TimeFormatTest,
    ::testing::Values(TimeFormatCase{"twelveHour", "h:mm:ss AP", 4953026, "1:45:30 PM"},
                      TimeFormatCase{"twelveHourMorning", "h:mm:ss AP", 3153026, "8:45:30 AM"},
                      TimeFormatCase{"midnightIsTwelve", "hh:mm ap", 1, "12:00 am"},
                      TimeFormatCase{"noonIsPm", "h:mm A", 360000 * 12 + 1, "12:00 PM"},
                      TimeFormatCase{"hWithoutAmPmIs24", "h:mm", 4953026, "13:45"},
                      TimeFormatCase{"unpadded", "H.m.s", 3153026 - 4500 * 100 + 500, "7.30.35"},
                      TimeFormatCase{"quotedText", "HH'h'mm 'min' ss", 3153026, "08h45 min 30"},
                      TimeFormatCase{"quotedQuote", "HH''mm", 3153026, "08'45"},
                      TimeFormatCase{"quotedLettersNotTokens", "'Ham' HH", 3153026, "Ham 08"},
                      TimeFormatCase{"milliseconds", "ss.zzz", 4953026, "30.250"},
                      TimeFormatCase{"zoneOmittedWhenUnknown", "HH:mm:ss t", 4953026, "13:45:30"},
                      TimeFormatCase{"unterminatedQuote", "HH 'open", 4953026, "13 open"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(TimeFormatTest, UsesTheLocaleTexts)
{
    DisplayLocale locale;
    locale.timeFormat = "HH:mm:ss t a";
    locale.amText = "vorm.";
    locale.pmText = "nachm.";
    locale.timeZone = "CET";
    EXPECT_EQ(Picture("t8").formatNumber(4953026, locale), "13:45:30 CET nachm.");
}

TEST(NumberPictureTest, GroupsWithTheLocaleSeparatorCountingCharacters)
{
    DisplayLocale locale;
    locale.groupSeparator = "\xE2\x80\xAF"; // narrow no-break space, three bytes
    // Each separator is one position of the fourteen.
    EXPECT_EQ(Picture("n-14").formatNumber(1234567, locale), "     1\xE2\x80\xAF" "234\xE2\x80\xAF" "567");
    locale.groupSeparator = ".";
    EXPECT_EQ(Picture("n-14").formatNumber(-1234567, locale), "    -1.234.567");
}

} // namespace
} // namespace dirdock
