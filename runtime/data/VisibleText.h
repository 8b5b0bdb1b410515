#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace dirdock {

// The text as a list shows it: trailing blanks left out, control bytes as
// their control pictures, bytes that are not UTF-8 as U+FFFD, and at most
// width characters (no limit when width is 0).
std::string VisibleText(std::string_view text, std::size_t width);

// Characters in a UTF-8 text, each invalid byte counting as one.
std::size_t CharacterCount(std::string_view text);

} // namespace dirdock
