#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "windows/Images.h"

namespace dirdock {

// Decodes the bitmap that starts with an info header at headerAt: its
// palette and pixel rows. A bitmap file names where its rows start
// (pixelsAt); in an icon they follow the palette, and a transparency mask
// follows them (withMask), counted in the stored height.
DecodedImage DecodeDeviceIndependentBitmap(std::span<const std::uint8_t> bytes, std::uint64_t headerAt,
                                           std::optional<std::uint64_t> pixelsAt, bool withMask);

} // namespace dirdock
