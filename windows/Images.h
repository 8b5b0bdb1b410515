#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dirdock {

// The stored name of an image: the file name in capitals with "." made "_"
// ("Pilned.ico" is stored as "PILNED_ICO").
std::string StoredImageName(std::string_view fileName);

// The bytes of a stored image (a bitmap file or an icon file), empty when
// there is none by that name.
std::span<const std::uint8_t> FindStoredImage(std::string_view storedName);

// The stored name of the program's own icon, first among the icon groups.
inline constexpr std::string_view ProgramIconName = "\x01";

enum class StoredImageKind { Image, IconGroup };

struct StoredImage {
    std::string_view name;
    StoredImageKind kind;
    std::span<const std::uint8_t> bytes;
};

// Every stored image in stored order: the bitmap, then the icon groups with
// the program's own icon first.
std::span<const StoredImage> StoredImages();

// An image decoded into 32-bit ARGB pixels, top row first.
struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    bool valid() const { return width > 0 && height > 0; }
};

// Decodes an uncompressed bitmap file (1, 4, 8, 24 or 32 bits a pixel,
// rows stored bottom-up or top-down) or the first image of an icon file,
// whose mask makes its pixels transparent (ARGB 0). Every length and offset
// is checked against the bytes given: bad or truncated bytes, compressed
// images and other depths give an invalid image.
DecodedImage DecodeImage(std::span<const std::uint8_t> bytes);

} // namespace dirdock
