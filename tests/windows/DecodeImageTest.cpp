#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "windows/Images.h"

namespace dirdock {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::size_t at, std::uint32_t v)
{
    b.at(at) = static_cast<std::uint8_t>(v);
    b.at(at + 1) = static_cast<std::uint8_t>(v >> 8);
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v)
{
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

void Append32(Bytes& b, std::uint32_t v)
{
    b.resize(b.size() + 4);
    Put32(b, b.size() - 4, v);
}

// A small picture: palette indices (or 0x00RRGGBB colours at 24 and 32
// bits) top row first, and its palette as 0x00RRGGBB.
struct Picture {
    int width;
    int height;
    int bits;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint32_t> values;
    std::vector<bool> transparent = {}; // icons only
};

std::size_t RowBytes(int width, int bits)
{
    return static_cast<std::size_t>((width * bits + 31) / 32 * 4);
}

Bytes Rows(const Picture& p, bool topDown)
{
    Bytes rows;
    for (int i = 0; i < p.height; ++i) {
        const int y = topDown ? i : p.height - 1 - i;
        Bytes row(RowBytes(p.width, p.bits), 0);
        for (int x = 0; x < p.width; ++x) {
            const std::uint32_t v = p.values.at(static_cast<std::size_t>(y * p.width + x));
            if (p.bits >= 24) {
                for (int c = 0; c < p.bits / 8; ++c)
                    row[static_cast<std::size_t>(x * p.bits / 8 + c)] = static_cast<std::uint8_t>(v >> (8 * c));
                continue;
            }
            const int bit = x * p.bits;
            row[static_cast<std::size_t>(bit / 8)] |= static_cast<std::uint8_t>(v << (8 - p.bits - bit % 8));
        }
        rows.insert(rows.end(), row.begin(), row.end());
    }
    return rows;
}

Bytes MaskRows(const Picture& p)
{
    Bytes rows;
    for (int y = p.height - 1; y >= 0; --y) {
        Bytes row(RowBytes(p.width, 1), 0);
        for (int x = 0; x < p.width; ++x) {
            if (!p.transparent.empty() && p.transparent.at(static_cast<std::size_t>(y * p.width + x)))
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        rows.insert(rows.end(), row.begin(), row.end());
    }
    return rows;
}

Bytes InfoHeaderAndPalette(const Picture& p, int storedHeight)
{
    Bytes b(40, 0);
    Put32(b, 0, 40);
    Put32(b, 4, static_cast<std::uint32_t>(p.width));
    Put32(b, 8, static_cast<std::uint32_t>(storedHeight));
    Put16(b, 12, 1);
    Put16(b, 14, static_cast<std::uint32_t>(p.bits));
    Put32(b, 32, static_cast<std::uint32_t>(p.palette.size()));
    for (std::uint32_t colour : p.palette)
        Append32(b, colour);
    return b;
}

Bytes BitmapFile(const Picture& p, bool topDown = false)
{
    Bytes b(14, 0);
    b[0] = 'B';
    b[1] = 'M';
    const Bytes header = InfoHeaderAndPalette(p, topDown ? -p.height : p.height);
    b.insert(b.end(), header.begin(), header.end());
    Put32(b, 10, static_cast<std::uint32_t>(b.size()));
    const Bytes rows = Rows(p, topDown);
    b.insert(b.end(), rows.begin(), rows.end());
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    return b;
}

Bytes IconFile(const Picture& p)
{
    Bytes b(22, 0);
    Put16(b, 2, 1);
    Put16(b, 4, 1);
    b[6] = static_cast<std::uint8_t>(p.width);
    b[7] = static_cast<std::uint8_t>(p.height);
    Put16(b, 10, 1);
    Put16(b, 12, static_cast<std::uint32_t>(p.bits));
    Put32(b, 18, 22);
    const Bytes header = InfoHeaderAndPalette(p, p.height * 2);
    const Bytes rows = Rows(p, false);
    const Bytes mask = MaskRows(p);
    b.insert(b.end(), header.begin(), header.end());
    b.insert(b.end(), rows.begin(), rows.end());
    b.insert(b.end(), mask.begin(), mask.end());
    Put32(b, 14, static_cast<std::uint32_t>(b.size() - 22));
    return b;
}

// The ARGB pixels a picture should decode to.
std::vector<std::uint32_t> Expected(const Picture& p)
{
    std::vector<std::uint32_t> pixels;
    for (std::size_t i = 0; i < p.values.size(); ++i) {
        const std::uint32_t rgb = p.bits <= 8 ? p.palette.at(p.values[i]) : p.values[i] & 0xFFFFFF;
        const bool clear = !p.transparent.empty() && p.transparent[i];
        pixels.push_back(clear ? 0u : 0xFF000000u | rgb);
    }
    return pixels;
}

// 3 x 2 with odd widths, so every depth has row padding to skip.
const Picture OneBit{3, 2, 1, {0x000000, 0xFFFFFF}, {1, 0, 1, 0, 1, 1}};
const Picture FourBit{3, 2, 4, {0x000000, 0x800000, 0x008000, 0x0000FF, 0x123456}, {4, 3, 2, 1, 0, 4}};
const Picture EightBit{5, 3, 8, {0x111111, 0x222222, 0x333333}, {0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2}};
const Picture TwentyFourBit{3, 2, 24, {}, {0xFF0000, 0x00FF00, 0x0000FF, 0x102030, 0x405060, 0xFFFFFF}};

TEST(DecodeImage, BitmapFilesOfEveryDepthBothRowOrders)
{
    struct Case {
        const char* name;
        const Picture& picture;
        bool topDown;
    };
    const Case cases[] = {
        {"1 bit", OneBit, false},         {"1 bit top-down", OneBit, true},
        {"4 bits", FourBit, false},       {"4 bits top-down", FourBit, true},
        {"8 bits", EightBit, false},      {"8 bits top-down", EightBit, true},
        {"24 bits", TwentyFourBit, false}, {"24 bits top-down", TwentyFourBit, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedImage image = DecodeImage(BitmapFile(c.picture, c.topDown));
        ASSERT_TRUE(image.valid());
        EXPECT_EQ(image.width, c.picture.width);
        EXPECT_EQ(image.height, c.picture.height);
        EXPECT_EQ(image.pixels, Expected(c.picture));
    }
}

TEST(DecodeImage, PaletteSizeZeroMeansAFullPalette)
{
    Picture p{2, 1, 1, {0x0000FF, 0x00FF00}, {1, 0}};
    Bytes b = BitmapFile(p);
    Put32(b, 14 + 32, 0);
    EXPECT_EQ(DecodeImage(b).pixels, Expected(p));
}

TEST(DecodeImage, IconMaskGivesTransparency)
{
    Picture p = FourBit;
    p.transparent = {true, false, false, false, false, true};
    const DecodedImage image = DecodeImage(IconFile(p));
    ASSERT_TRUE(image.valid());
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.pixels, Expected(p));
}

// A 32-bit icon with alpha keeps it; one whose alpha is all zero is an
// older kind that relies on its mask.
TEST(DecodeImage, IconOfThirtyTwoBits)
{
    struct Case {
        const char* name;
        Picture picture;
        std::vector<std::uint32_t> pixels;
    };
    const Case cases[] = {
        {"alpha", {2, 1, 32, {}, {0x80102030, 0xFF405060}, {true, false}}, {0x80102030, 0xFF405060}},
        {"mask only", {2, 1, 32, {}, {0x00102030, 0x00405060}, {true, false}}, {0, 0xFF405060}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedImage image = DecodeImage(IconFile(c.picture));
        ASSERT_TRUE(image.valid());
        EXPECT_EQ(image.pixels, c.pixels);
    }
}

struct Malformed {
    const char* name;
    std::function<Bytes()> make;
};

Bytes Patched32(Bytes b, std::size_t at, std::uint32_t v)
{
    Put32(b, at, v);
    return b;
}

Bytes Patched16(Bytes b, std::size_t at, std::uint32_t v)
{
    Put16(b, at, v);
    return b;
}

Bytes Cut(Bytes b, std::size_t size)
{
    b.resize(size);
    return b;
}

// Offsets in a bitmap file: 2 size, 10 pixel offset, 14 info header
// (18 width, 22 height, 26 planes, 28 bits, 30 compression, 46 colours).
// In an icon file: 14 image size, 18 image offset, 22 info header.
const Malformed MalformedInputs[] = {
    {"empty", [] { return Bytes{}; }},
    {"one byte", [] { return Bytes{'B'}; }},
    {"signature only", [] { return Bytes{'B', 'M'}; }},
    {"neither signature", [] { return Bytes{'P', 'K', 3, 4, 0, 0, 0, 0}; }},
    {"file header cut", [] { return Cut(BitmapFile(EightBit), 13); }},
    {"info header cut", [] { return Cut(BitmapFile(EightBit), 30); }},
    {"palette cut", [] { return Cut(BitmapFile(EightBit), 60); }},
    {"last row cut", [] { return Cut(BitmapFile(EightBit), BitmapFile(EightBit).size() - 1); }},
    {"pixel offset past the end", [] { return Patched32(BitmapFile(EightBit), 10, 0xFFFFFFF0u); }},
    {"pixel offset inside the headers", [] { return Patched32(BitmapFile(TwentyFourBit), 10, 20); }},
    {"width larger than the rows", [] { return Patched32(BitmapFile(EightBit), 18, 0x7FFFFFFF); }},
    {"height larger than the rows", [] { return Patched32(BitmapFile(EightBit), 22, 4); }},
    {"lowest height", [] { return Patched32(BitmapFile(EightBit), 22, 0x80000000u); }},
    {"zero width", [] { return Patched32(BitmapFile(EightBit), 18, 0); }},
    {"negative width", [] { return Patched32(BitmapFile(EightBit), 18, 0xFFFFFFFBu); }},
    {"zero height", [] { return Patched32(BitmapFile(EightBit), 22, 0); }},
    {"two planes", [] { return Patched16(BitmapFile(EightBit), 26, 2); }},
    {"no bits", [] { return Patched16(BitmapFile(EightBit), 28, 0); }},
    {"2 bits", [] { return Patched16(BitmapFile(EightBit), 28, 2); }},
    {"16 bits", [] { return Patched16(BitmapFile(EightBit), 28, 16); }},
    {"48 bits", [] { return Patched16(BitmapFile(EightBit), 28, 48); }},
    {"run-length compressed", [] { return Patched32(BitmapFile(EightBit), 30, 1); }},
    {"bit-field masks", [] { return Patched32(BitmapFile(TwentyFourBit), 30, 3); }},
    {"core header", [] { return Patched32(BitmapFile(EightBit), 14, 12); }},
    {"info header larger than the file", [] { return Patched32(BitmapFile(EightBit), 14, 0xFFFFFFFFu); }},
    {"more colours than the depth has", [] { return Patched32(BitmapFile(OneBit), 46, 3); }},
    {"palette larger than the file", [] { return Patched32(BitmapFile(TwentyFourBit), 46, 0x40000000u); }},
    {"index beyond the palette",
     [] { return BitmapFile(Picture{2, 1, 8, {0x000000, 0xFFFFFF}, {1, 7}}); }},
    {"icon of no images", [] { return Patched16(IconFile(FourBit), 4, 0); }},
    {"cursor, not an icon", [] { return Patched16(IconFile(FourBit), 2, 2); }},
    {"icon directory cut", [] { return Cut(IconFile(FourBit), 12); }},
    {"icon image offset past the end", [] { return Patched32(IconFile(FourBit), 18, 0xFFFFFFF0u); }},
    {"icon image size past the end", [] { return Patched32(IconFile(FourBit), 14, 0xFFFFFFF0u); }},
    {"icon image size too small for its rows", [] { return Patched32(IconFile(FourBit), 14, 40 + 64 + 4); }},
    {"icon image empty", [] { return Patched32(IconFile(FourBit), 14, 0); }},
    {"icon mask cut", [] { return Cut(IconFile(FourBit), IconFile(FourBit).size() - 1); }},
    {"icon stored height odd", [] { return Patched32(IconFile(FourBit), 22 + 8, 5); }},
    {"icon stored height negative", [] { return Patched32(IconFile(FourBit), 22 + 8, 0xFFFFFFFCu); }},
    {"icon image compressed",
     [] {
         Bytes b = IconFile(FourBit);
         const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
         std::copy(signature.begin(), signature.end(), b.begin() + 22);
         return b;
     }},
};

TEST(DecodeImage, MalformedInputsGiveAnInvalidImage)
{
    for (const Malformed& m : MalformedInputs) {
        SCOPED_TRACE(m.name);
        const Bytes bytes = m.make();
        const DecodedImage image = DecodeImage(bytes);
        EXPECT_FALSE(image.valid());
        EXPECT_TRUE(image.pixels.empty());
    }
}

// Every shorter prefix of a good file lacks something the decoder needs.
TEST(DecodeImage, EveryTruncationIsInvalid)
{
    Picture icon = EightBit;
    icon.transparent.assign(icon.values.size(), false);
    const std::pair<const char*, Bytes> files[] = {
        {"bitmap", BitmapFile(FourBit)},
        {"top-down bitmap", BitmapFile(TwentyFourBit, true)},
        {"icon", IconFile(icon)},
    };
    for (const auto& [name, whole] : files) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(DecodeImage(whole).valid());
        for (std::size_t size = 0; size < whole.size(); ++size) {
            const Bytes prefix(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
            EXPECT_FALSE(DecodeImage(prefix).valid()) << "first " << size << " bytes";
        }
    }
}

} // namespace
} // namespace dirdock
