#include "Runtime.h"

#include <charconv>

namespace dirdock {

std::int32_t ToNumber(std::string_view value)
{
    const auto start = value.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return 0;
    value.remove_prefix(start);
    // from_chars takes no plus sign; after one, a second sign is not a number.
    if (value.front() == '+') {
        value.remove_prefix(1);
        if (!value.empty() && value.front() == '-')
            return 0;
    }
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    (void)end;
    return error == std::errc{} ? number : 0;
}

} // namespace dirdock
