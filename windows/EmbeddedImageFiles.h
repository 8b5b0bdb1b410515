#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace dirdock {

// The bytes of an image file from windows/images, embedded by the build;
// empty for a file that is not embedded. Defined in a generated source.
std::span<const std::uint8_t> EmbeddedImageFile(std::string_view fileName);

} // namespace dirdock
