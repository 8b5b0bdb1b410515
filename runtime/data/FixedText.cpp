#include "FixedText.h"

#include <algorithm>
#include <cstring>

#include "Utf8.h"

namespace dirdock {

void AssignFixed(std::span<char> field, std::string_view text)
{
    const std::size_t used = Utf8Fit(text, field.size());
    if (used > 0)
        std::memmove(field.data(), text.data(), used);
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(used), field.end(), ' ');
}

std::string_view TrimmedFixed(std::span<const char> field)
{
    std::size_t length = field.size();
    while (length > 0 && field[length - 1] == ' ')
        --length;
    return {field.data(), length};
}

void AssignTerminated(std::span<char> buffer, std::string_view text)
{
    if (buffer.empty())
        return;
    // A terminator inside the text ends it, as it would for the reader.
    text = text.substr(0, std::min(text.find('\0'), text.size()));
    const std::size_t used = Utf8Fit(text, buffer.size() - 1);
    if (used > 0)
        std::memmove(buffer.data(), text.data(), used);
    buffer[used] = '\0';
}

std::string_view TerminatedText(std::span<const char> buffer)
{
    if (buffer.empty())
        return {};
    const void* end = std::memchr(buffer.data(), '\0', buffer.size());
    const std::size_t length =
        end ? static_cast<std::size_t>(static_cast<const char*>(end) - buffer.data()) : buffer.size();
    return {buffer.data(), length};
}

} // namespace dirdock
