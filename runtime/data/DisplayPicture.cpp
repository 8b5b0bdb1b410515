#include "DisplayPicture.h"

#include <charconv>

#include "DateTimeNumber.h"
#include "TimeFormat.h"
#include "VisibleText.h"

namespace dirdock {

namespace {

constexpr int MaxWidth = 9999;
constexpr int DayMonthYearStyle = 6;
constexpr int LongTimeStyle = 8;
constexpr std::int32_t LastTimeNumber = 24 * 360000;
constexpr std::string_view DateSeparators = "-./";

// A whole number of one to four digits that takes all of text.
std::optional<int> ReadCount(std::string_view text)
{
    int value = 0;
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 1 || value > MaxWidth)
        return std::nullopt;
    return value;
}

std::optional<DisplayPicture> ParseText(std::string_view rest)
{
    const std::optional<int> width = ReadCount(rest);
    if (!width)
        return std::nullopt;
    DisplayPicture picture;
    picture.kind = DisplayPicture::Kind::Text;
    picture.width = *width;
    return picture;
}

std::optional<DisplayPicture> ParseDate(std::string_view rest)
{
    char separator = 0;
    if (!rest.empty() && DateSeparators.find(rest.back()) != std::string_view::npos) {
        separator = rest.back();
        rest.remove_suffix(1);
    }
    if (ReadCount(rest) != DayMonthYearStyle)
        return std::nullopt;
    DisplayPicture picture;
    picture.kind = DisplayPicture::Kind::Date;
    picture.style = DayMonthYearStyle;
    picture.separator = separator;
    return picture;
}

std::optional<DisplayPicture> ParseTime(std::string_view rest)
{
    if (ReadCount(rest) != LongTimeStyle)
        return std::nullopt;
    DisplayPicture picture;
    picture.kind = DisplayPicture::Kind::Time;
    picture.style = LongTimeStyle;
    return picture;
}

std::optional<DisplayPicture> ParseNumber(std::string_view rest)
{
    const bool minus = !rest.empty() && rest.front() == '-';
    if (minus)
        rest.remove_prefix(1);
    const std::optional<int> width = ReadCount(rest);
    if (!width)
        return std::nullopt;
    DisplayPicture picture;
    picture.kind = DisplayPicture::Kind::Number;
    picture.width = *width;
    picture.signedMinus = minus;
    return picture;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : Days[month - 1];
}

std::string Padded(int value, std::size_t digits)
{
    std::string text = std::to_string(value);
    return std::string(digits > text.size() ? digits - text.size() : 0, '0') + text;
}

std::string FormatDate(std::int64_t value, char separator)
{
    if (value < 10101 || value > 99991231)
        return {};
    const CivilDate date = DateFromNumber(static_cast<std::int32_t>(value));
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > DaysInMonth(date.year, date.month))
        return {};
    const std::string between(1, separator ? separator : '/');
    return Padded(date.day, 2) + between + Padded(date.month, 2) + between + Padded(date.year, 4);
}

std::string FormatTime(std::int64_t value, const DisplayLocale& locale)
{
    if (value < 1 || value > LastTimeNumber)
        return {};
    return FormatTimeOfDay(TimeFromNumber(static_cast<std::int32_t>(value)), locale);
}

// Digits grouped by thousands, a minus before a negative value, right-aligned
// in width characters and never cut.
std::string FormatWhole(std::int64_t value, std::size_t width, const std::string& groupSeparator)
{
    const bool negative = value < 0;
    auto magnitude = static_cast<std::uint64_t>(value);
    if (negative)
        magnitude = ~magnitude + 1;
    const std::string digits = std::to_string(magnitude);
    std::string text = negative ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += groupSeparator;
        text += digits[i];
    }
    const std::size_t shown = CharacterCount(text);
    return std::string(width > shown ? width - shown : 0, ' ') + text;
}

} // namespace

std::optional<DisplayPicture> DisplayPicture::parse(std::string_view picture)
{
    if (picture.empty())
        return std::nullopt;
    const std::string_view rest = picture.substr(1);
    switch (picture.front()) {
    case 's':
    case 'S':
        return ParseText(rest);
    case 'd':
    case 'D':
        return ParseDate(rest);
    case 't':
    case 'T':
        return ParseTime(rest);
    case 'n':
    case 'N':
        return ParseNumber(rest);
    default:
        return std::nullopt;
    }
}

std::string DisplayPicture::formatText(std::string_view text) const
{
    return VisibleText(text, width > 0 ? static_cast<std::size_t>(width) : 0);
}

std::string DisplayPicture::formatNumber(std::int64_t value, const DisplayLocale& locale) const
{
    switch (kind) {
    case Kind::Date:
        return FormatDate(value, separator);
    case Kind::Time:
        return FormatTime(value, locale);
    case Kind::Number:
        return FormatWhole(value, static_cast<std::size_t>(width > 0 ? width : 0), locale.groupSeparator);
    case Kind::Text:
        return formatText(std::to_string(value));
    }
    return {};
}

} // namespace dirdock
