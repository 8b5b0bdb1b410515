#include "tools/ImageFileWriter.h"

namespace dirdock::tools {
namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t IconDirectorySize = 6 + 16;
constexpr std::int32_t PixelsPerMetre = 2835; // 72 pixels an inch

class ByteWriter {
public:
    void u8(std::uint32_t value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
    void u16(std::uint32_t value)
    {
        u8(value & 0xFF);
        u8(value >> 8);
    }
    void u32(std::uint32_t value)
    {
        u16(value & 0xFFFF);
        u16(value >> 16);
    }
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void colour(Rgb c)
    {
        u8(c.blue);
        u8(c.green);
        u8(c.red);
        u8(0);
    }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

std::uint32_t RowBytes(int width, int bitsPerPixel)
{
    return static_cast<std::uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

void InfoHeader(ByteWriter& out, int width, int storedHeight, int bitsPerPixel,
                std::uint32_t imageSize, std::uint32_t coloursUsed)
{
    out.u32(InfoHeaderSize);
    out.i32(width);
    out.i32(storedHeight);
    out.u16(1); // planes
    out.u16(static_cast<std::uint32_t>(bitsPerPixel));
    out.u32(0); // uncompressed
    out.u32(imageSize);
    out.i32(PixelsPerMetre);
    out.i32(PixelsPerMetre);
    out.u32(coloursUsed);
    out.u32(0); // all colours matter
}

int IndexAt(const IndexedCanvas& canvas, int x, int y)
{
    return canvas.isTransparent(x, y) ? 0 : canvas.at(x, y);
}

void IconColourRows(ByteWriter& out, const IndexedCanvas& canvas)
{
    const int rowBytes = static_cast<int>(RowBytes(canvas.width(), 4));
    for (int y = canvas.height() - 1; y >= 0; --y) {
        for (int byte = 0; byte < rowBytes; ++byte) {
            const int x = byte * 2;
            const int high = x < canvas.width() ? IndexAt(canvas, x, y) : 0;
            const int low = x + 1 < canvas.width() ? IndexAt(canvas, x + 1, y) : 0;
            out.u8(static_cast<std::uint32_t>(high << 4 | low));
        }
    }
}

// A set bit keeps the screen behind the pixel: the transparent background.
void IconMaskRows(ByteWriter& out, const IndexedCanvas& canvas)
{
    const int rowBytes = static_cast<int>(RowBytes(canvas.width(), 1));
    for (int y = canvas.height() - 1; y >= 0; --y) {
        for (int byte = 0; byte < rowBytes; ++byte) {
            std::uint32_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = byte * 8 + bit;
                if (x >= canvas.width() || canvas.isTransparent(x, y))
                    bits |= 0x80u >> bit;
            }
            out.u8(bits);
        }
    }
}

} // namespace

std::vector<std::uint8_t> EncodeBitmapFile8(const IndexedCanvas& canvas, const std::array<Rgb, 256>& palette)
{
    const std::uint32_t rowBytes = RowBytes(canvas.width(), 8);
    const std::uint32_t imageSize = rowBytes * static_cast<std::uint32_t>(canvas.height());
    const std::uint32_t pixelOffset = FileHeaderSize + InfoHeaderSize + 256 * 4;

    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(pixelOffset + imageSize);
    out.u32(0);
    out.u32(pixelOffset);
    InfoHeader(out, canvas.width(), canvas.height(), 8, imageSize, 256);
    for (Rgb c : palette)
        out.colour(c);
    for (int y = canvas.height() - 1; y >= 0; --y) {
        for (int x = 0; x < static_cast<int>(rowBytes); ++x)
            out.u8(x < canvas.width() ? static_cast<std::uint32_t>(IndexAt(canvas, x, y)) : 0);
    }
    return out.take();
}

std::vector<std::uint8_t> EncodeIconFile4(const IndexedCanvas& canvas)
{
    const std::uint32_t colourBytes = RowBytes(canvas.width(), 4) * static_cast<std::uint32_t>(canvas.height());
    const std::uint32_t maskBytes = RowBytes(canvas.width(), 1) * static_cast<std::uint32_t>(canvas.height());
    const std::uint32_t imageBytes = InfoHeaderSize + 16 * 4 + colourBytes + maskBytes;

    ByteWriter out;
    out.u16(0); // reserved
    out.u16(1); // an icon
    out.u16(1); // one image
    out.u8(static_cast<std::uint32_t>(canvas.width() & 0xFF));
    out.u8(static_cast<std::uint32_t>(canvas.height() & 0xFF));
    out.u8(16); // colours
    out.u8(0);
    out.u16(1); // planes
    out.u16(4); // bits a pixel
    out.u32(imageBytes);
    out.u32(IconDirectorySize);
    // The stored height counts the colour rows and the mask rows.
    InfoHeader(out, canvas.width(), canvas.height() * 2, 4, colourBytes + maskBytes, 0);
    for (Rgb c : StandardPalette)
        out.colour(c);
    IconColourRows(out, canvas);
    IconMaskRows(out, canvas);
    return out.take();
}

} // namespace dirdock::tools
