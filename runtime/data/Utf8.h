#pragma once

#include <cstddef>
#include <string_view>

namespace dirdock {

// Bytes taken by the UTF-8 character that starts at text[at]; 1 for a byte
// that does not start a valid character, so that every byte is counted.
std::size_t Utf8CharLength(std::string_view text, std::size_t at);

// The longest prefix of text, at most limit bytes, that ends on a character
// boundary.
std::size_t Utf8Fit(std::string_view text, std::size_t limit);

} // namespace dirdock
