#include "windows/DeviceIndependentBitmap.h"

#include <vector>

#include "windows/ByteReader.h"

namespace dirdock {
namespace {

constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t LargestInfoHeaderSize = 124;
constexpr std::int64_t LargestSide = 1 << 16;
constexpr std::uint32_t Uncompressed = 0;
constexpr std::uint32_t Opaque = 0xFF000000u;

struct Layout {
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    std::uint64_t paletteAt = 0;
    std::uint32_t paletteSize = 0;
    std::uint64_t pixelsAt = 0;
    std::uint64_t rowBytes = 0;
    std::uint64_t maskAt = 0;
    std::uint64_t maskRowBytes = 0;
};

bool SupportedDepth(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

std::uint64_t RowBytes(std::int64_t width, int bits)
{
    return static_cast<std::uint64_t>((width * bits + 31) / 32 * 4);
}

// Reads the info header and places palette, rows and mask, each checked to
// lie inside the buffer.
std::optional<Layout> ReadLayout(ByteReader& in, std::uint64_t headerAt, std::optional<std::uint64_t> pixelsAt,
                                 bool withMask)
{
    const std::uint32_t headerSize = in.u32(headerAt);
    Layout layout;
    layout.width = in.i32(headerAt + 4);
    std::int64_t storedHeight = in.i32(headerAt + 8);
    const std::uint16_t planes = in.u16(headerAt + 12);
    layout.bitsPerPixel = in.u16(headerAt + 14);
    const std::uint32_t compression = in.u32(headerAt + 16);
    const std::uint32_t coloursUsed = in.u32(headerAt + 32);
    if (in.failed() || headerSize < InfoHeaderSize || headerSize > LargestInfoHeaderSize ||
        !in.fits(headerAt, headerSize) || planes != 1 || compression != Uncompressed ||
        !SupportedDepth(layout.bitsPerPixel))
        return std::nullopt;

    if (withMask && (storedHeight <= 0 || storedHeight % 2 != 0))
        return std::nullopt;
    layout.topDown = storedHeight < 0;
    layout.height = withMask ? storedHeight / 2 : (storedHeight < 0 ? -storedHeight : storedHeight);
    if (layout.width <= 0 || layout.height <= 0 || layout.width > LargestSide || layout.height > LargestSide)
        return std::nullopt;

    const std::uint32_t fullPalette = layout.bitsPerPixel <= 8 ? 1u << layout.bitsPerPixel : 0;
    if (fullPalette != 0 && coloursUsed > fullPalette)
        return std::nullopt;
    layout.paletteSize = fullPalette != 0 && coloursUsed == 0 ? fullPalette : coloursUsed;
    layout.paletteAt = headerAt + headerSize;
    const std::uint64_t paletteEnd = layout.paletteAt + std::uint64_t{layout.paletteSize} * 4;
    if (!in.fits(layout.paletteAt, paletteEnd - layout.paletteAt))
        return std::nullopt;

    layout.pixelsAt = pixelsAt.value_or(paletteEnd);
    if (layout.pixelsAt < paletteEnd)
        return std::nullopt;
    layout.rowBytes = RowBytes(layout.width, layout.bitsPerPixel);
    const std::uint64_t pixelBytes = layout.rowBytes * static_cast<std::uint64_t>(layout.height);
    if (!in.fits(layout.pixelsAt, pixelBytes))
        return std::nullopt;

    if (withMask) {
        layout.maskAt = layout.pixelsAt + pixelBytes;
        layout.maskRowBytes = RowBytes(layout.width, 1);
        if (!in.fits(layout.maskAt, layout.maskRowBytes * static_cast<std::uint64_t>(layout.height)))
            return std::nullopt;
    }
    return layout;
}

std::vector<std::uint32_t> ReadPalette(ByteReader& in, const Layout& layout)
{
    std::vector<std::uint32_t> palette;
    for (std::uint32_t i = 0; i < layout.paletteSize; ++i) {
        const std::uint64_t at = layout.paletteAt + std::uint64_t{i} * 4;
        palette.push_back(Opaque | std::uint32_t{in.u8(at + 2)} << 16 | std::uint32_t{in.u8(at + 1)} << 8 |
                          in.u8(at));
    }
    return palette;
}

// The stored row that holds a given picture row, top row first.
std::uint64_t StoredRow(const Layout& layout, std::int64_t row)
{
    return static_cast<std::uint64_t>(layout.topDown ? row : layout.height - 1 - row);
}

std::optional<std::uint32_t> IndexedPixel(ByteReader& in, const Layout& layout, std::uint64_t rowAt,
                                          std::int64_t x, const std::vector<std::uint32_t>& palette)
{
    const int bits = layout.bitsPerPixel;
    const std::uint64_t bitOffset = static_cast<std::uint64_t>(x) * static_cast<std::uint64_t>(bits);
    const std::uint8_t byte = in.u8(rowAt + bitOffset / 8);
    const int shift = 8 - bits - static_cast<int>(bitOffset % 8);
    const std::uint32_t index = static_cast<std::uint32_t>(byte >> shift) & ((1u << bits) - 1);
    if (index >= palette.size())
        return std::nullopt;
    return palette[index];
}

std::uint32_t DirectPixel(ByteReader& in, const Layout& layout, std::uint64_t rowAt, std::int64_t x, bool keepAlpha)
{
    const std::uint64_t at = rowAt + static_cast<std::uint64_t>(x) * static_cast<std::uint64_t>(layout.bitsPerPixel / 8);
    const std::uint32_t alpha = keepAlpha ? std::uint32_t{in.u8(at + 3)} << 24 : Opaque;
    return alpha | std::uint32_t{in.u8(at + 2)} << 16 | std::uint32_t{in.u8(at + 1)} << 8 | in.u8(at);
}

bool Masked(ByteReader& in, const Layout& layout, std::int64_t row, std::int64_t x)
{
    const std::uint64_t rowAt = layout.maskAt + StoredRow(layout, row) * layout.maskRowBytes;
    const std::uint8_t byte = in.u8(rowAt + static_cast<std::uint64_t>(x) / 8);
    return (byte >> (7 - x % 8) & 1) != 0;
}

// A 32-bit icon whose alpha is all zero is an older one that relies on
// its mask alone.
bool UsesAlpha(ByteReader& in, const Layout& layout)
{
    if (layout.bitsPerPixel != 32)
        return false;
    for (std::int64_t row = 0; row < layout.height; ++row) {
        const std::uint64_t rowAt = layout.pixelsAt + static_cast<std::uint64_t>(row) * layout.rowBytes;
        for (std::int64_t x = 0; x < layout.width; ++x) {
            if (in.u8(rowAt + static_cast<std::uint64_t>(x) * 4 + 3) != 0)
                return true;
        }
    }
    return false;
}

} // namespace

DecodedImage DecodeDeviceIndependentBitmap(std::span<const std::uint8_t> bytes, std::uint64_t headerAt,
                                           std::optional<std::uint64_t> pixelsAt, bool withMask)
{
    ByteReader in(bytes);
    const std::optional<Layout> layout = ReadLayout(in, headerAt, pixelsAt, withMask);
    if (!layout)
        return {};
    const std::vector<std::uint32_t> palette = ReadPalette(in, *layout);
    const bool alpha = withMask && UsesAlpha(in, *layout);

    DecodedImage image;
    image.pixels.reserve(static_cast<std::size_t>(layout->width * layout->height));
    for (std::int64_t row = 0; row < layout->height; ++row) {
        const std::uint64_t rowAt = layout->pixelsAt + StoredRow(*layout, row) * layout->rowBytes;
        for (std::int64_t x = 0; x < layout->width; ++x) {
            std::optional<std::uint32_t> pixel = layout->bitsPerPixel <= 8
                                                     ? IndexedPixel(in, *layout, rowAt, x, palette)
                                                     : DirectPixel(in, *layout, rowAt, x, alpha);
            if (!pixel)
                return {};
            if (withMask && !alpha && Masked(in, *layout, row, x))
                pixel = 0;
            image.pixels.push_back(*pixel);
        }
    }
    if (in.failed())
        return {};
    image.width = static_cast<int>(layout->width);
    image.height = static_cast<int>(layout->height);
    return image;
}

} // namespace dirdock
