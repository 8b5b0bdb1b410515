#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "tools/IndexedCanvas.h"

namespace dirdock::tools {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// The sixteen colours every 4-bit icon uses, in their usual order.
enum StandardColour : int {
    Black, Maroon, Green, Olive, Navy, Purple, Teal, Silver,
    Grey, Red, Lime, Yellow, Blue, Fuchsia, Aqua, White,
};

inline constexpr std::array<Rgb, 16> StandardPalette = {{
    {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0},
    {0, 0, 128}, {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
    {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};

// A complete bitmap file, 8 bits a pixel, uncompressed, rows bottom-up.
// Transparent pixels are written as index 0.
std::vector<std::uint8_t> EncodeBitmapFile8(const IndexedCanvas& canvas, const std::array<Rgb, 256>& palette);

// A complete icon file holding one image of 4 bits a pixel in the standard
// palette, with its transparency mask.
std::vector<std::uint8_t> EncodeIconFile4(const IndexedCanvas& canvas);

} // namespace dirdock::tools
