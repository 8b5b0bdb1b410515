#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dirdock {

// What formatting depends on besides the value: passed in, so that tests fix it.
struct DisplayLocale {
    // Long time format in Qt's notation: "HH:mm:ss", "h:mm:ss AP", ...
    std::string timeFormat = "HH:mm:ss";
    std::string groupSeparator = ",";
    std::string amText = "AM";
    std::string pmText = "PM";
    // Shown for "t" in the time format; when empty, "t" and the blank
    // before it are left out.
    std::string timeZone;
};

// A display picture such as "s255", "d6-", "t8" or "n-14".
struct DisplayPicture {
    enum class Kind { Text, Date, Time, Number };
    Kind kind = Kind::Text;
    int width = 0;        // characters for text and numbers
    int style = 0;        // date and time style number
    char separator = 0;   // date separator, 0 for the default
    bool signedMinus = false;

    static std::optional<DisplayPicture> parse(std::string_view picture);

    // Text: control characters made visible, cut to the width.
    std::string formatText(std::string_view text) const;
    // Numbers, dates and times. Date and time number 0, and numbers that are
    // no real date or time, show blank. A number picture without "-" still
    // shows the minus of a negative value: a sign is never dropped.
    std::string formatNumber(std::int64_t value, const DisplayLocale& locale) const;
};

} // namespace dirdock
