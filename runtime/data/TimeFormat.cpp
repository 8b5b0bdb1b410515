#include "TimeFormat.h"

#include <algorithm>
#include <array>

namespace dirdock {

namespace {

std::string TwoDigits(int value)
{
    return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

std::string CaseOf(std::string text, bool upper)
{
    for (char& c : text) {
        if (upper && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (!upper && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string Milliseconds(const CivilTime& time, bool full)
{
    std::string digits = std::to_string(time.hundredths * 10 + 1000).substr(1);
    if (!full) {
        while (digits.size() > 1 && digits.back() == '0')
            digits.pop_back();
    }
    return digits;
}

constexpr std::array<std::string_view, 15> Tokens = {"HH", "H", "hh", "h", "mm", "m", "ss", "s",
                                                     "zzz", "z", "AP", "A", "ap", "a", "t"};

std::string_view TokenAt(std::string_view format, std::size_t at)
{
    for (const std::string_view token : Tokens) {
        if (format.substr(at, token.size()) == token)
            return token;
    }
    return {};
}

// Whether the format shows AM and PM, which makes "h" count to 12.
bool UsesTwelveHours(std::string_view format)
{
    bool quoted = false;
    for (const char c : format) {
        if (c == '\'')
            quoted = !quoted;
        else if (!quoted && (c == 'A' || c == 'a'))
            return true;
    }
    return false;
}

class TimeWriter {
public:
    TimeWriter(const CivilTime& time, const DisplayLocale& locale, bool twelveHours)
        : m_time(time), m_locale(locale), m_twelveHours(twelveHours)
    {
    }

    void token(std::string_view token)
    {
        const int hour12 = m_time.hour % 12 == 0 ? 12 : m_time.hour % 12;
        const int hour = m_twelveHours ? hour12 : m_time.hour;
        const std::string& meridiem = m_time.hour < 12 ? m_locale.amText : m_locale.pmText;
        if (token == "HH") m_out += TwoDigits(m_time.hour);
        else if (token == "H") m_out += std::to_string(m_time.hour);
        else if (token == "hh") m_out += TwoDigits(hour);
        else if (token == "h") m_out += std::to_string(hour);
        else if (token == "mm") m_out += TwoDigits(m_time.minute);
        else if (token == "m") m_out += std::to_string(m_time.minute);
        else if (token == "ss") m_out += TwoDigits(m_time.second);
        else if (token == "s") m_out += std::to_string(m_time.second);
        else if (token == "zzz") m_out += Milliseconds(m_time, true);
        else if (token == "z") m_out += Milliseconds(m_time, false);
        else if (token == "AP" || token == "A") m_out += CaseOf(meridiem, true);
        else if (token == "ap" || token == "a") m_out += CaseOf(meridiem, false);
        else if (token == "t") zone();
    }

    void literal(std::string_view text) { m_out += text; }
    std::string result() && { return std::move(m_out); }

private:
    void zone()
    {
        if (!m_locale.timeZone.empty())
            m_out += m_locale.timeZone;
        else if (!m_out.empty() && m_out.back() == ' ')
            m_out.pop_back();
    }

    const CivilTime& m_time;
    const DisplayLocale& m_locale;
    bool m_twelveHours;
    std::string m_out;
};

// Quoted text from the opening quote at `at`; returns where it ends.
std::size_t WriteQuoted(TimeWriter& writer, std::string_view format, std::size_t at)
{
    if (format.substr(at, 2) == "''") {
        writer.literal("'");
        return at + 2;
    }
    ++at;
    while (at < format.size()) {
        if (format.substr(at, 2) == "''") {
            writer.literal("'");
            at += 2;
        } else if (format[at] == '\'') {
            return at + 1;
        } else {
            writer.literal(format.substr(at, 1));
            ++at;
        }
    }
    return at;
}

} // namespace

std::string FormatTimeOfDay(const CivilTime& time, const DisplayLocale& locale)
{
    const std::string_view format = locale.timeFormat;
    TimeWriter writer(time, locale, UsesTwelveHours(format));
    std::size_t at = 0;
    while (at < format.size()) {
        if (format[at] == '\'') {
            at = WriteQuoted(writer, format, at);
            continue;
        }
        const std::string_view token = TokenAt(format, at);
        if (token.empty()) {
            writer.literal(format.substr(at, 1));
            ++at;
        } else {
            writer.token(token);
            at += token.size();
        }
    }
    return std::move(writer).result();
}

} // namespace dirdock
