#pragma once

#include <array>
#include <string_view>

namespace dirdock::tools {

// A 5 x 7 font holding only the capitals the wallpaper's caption needs.
inline constexpr int GlyphWidth = 5;
inline constexpr int GlyphHeight = 7;

using Glyph = std::array<std::string_view, GlyphHeight>;

// The glyph of a letter, rows from the top, '#' for ink; blank for a letter
// the font lacks.
const Glyph& GlyphFor(char letter);

} // namespace dirdock::tools
