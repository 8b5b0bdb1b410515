// The committed image files read back byte by byte, independently of the
// program's decoder, and then through it.

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "tests/windows/ImageFiles.h"
#include "windows/Images.h"

namespace dirdock {
namespace {

using testing::I32;
using testing::ReadCommittedImage;
using testing::U16;
using testing::U32;

struct Colour {
    int red, green, blue;
    bool operator==(const Colour&) const = default;
    bool dark() const { return red < 96 && green < 96 && blue < 96; }
};

std::uint32_t Argb(Colour c)
{
    return 0xFF000000u | static_cast<std::uint32_t>(c.red << 16 | c.green << 8 | c.blue);
}

void PrintTo(const Colour& c, std::ostream* out)
{
    *out << "(" << c.red << "," << c.green << "," << c.blue << ")";
}

// The wallpaper, read straight from its bytes.
class Wallpaper : public ::testing::Test {
protected:
    static constexpr int Width = 50;
    static constexpr int Height = 600;
    static constexpr std::size_t PixelsAt = 14 + 40 + 256 * 4;
    static constexpr std::size_t RowBytes = 52;

    void SetUp() override { bytes = ReadCommittedImage("tbbg.bmp"); ASSERT_EQ(bytes.size(), 32278u); }

    // Rows are stored bottom-up; row 0 is the top row.
    Colour at(int x, int row) const
    {
        const std::size_t stored = static_cast<std::size_t>(Height - 1 - row);
        const std::size_t index = bytes.at(PixelsAt + stored * RowBytes + static_cast<std::size_t>(x));
        const std::size_t entry = 54 + index * 4;
        return {bytes.at(entry + 2), bytes.at(entry + 1), bytes.at(entry)};
    }

    std::vector<std::uint8_t> bytes;
};

TEST_F(Wallpaper, HeadersDescribeAnUncompressedEightBitBitmap)
{
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(U32(bytes, 2), 32278u);     // file size
    EXPECT_EQ(U32(bytes, 6), 0u);         // reserved
    EXPECT_EQ(U32(bytes, 10), PixelsAt);  // pixel offset
    EXPECT_EQ(U32(bytes, 14), 40u);       // info header size
    EXPECT_EQ(I32(bytes, 18), Width);
    EXPECT_EQ(I32(bytes, 22), Height);    // positive: bottom-up
    EXPECT_EQ(U16(bytes, 26), 1u);        // planes
    EXPECT_EQ(U16(bytes, 28), 8u);        // bits a pixel
    EXPECT_EQ(U32(bytes, 30), 0u);        // uncompressed
    EXPECT_EQ(U32(bytes, 34), RowBytes * Height);
    const std::uint32_t coloursUsed = U32(bytes, 46);
    EXPECT_TRUE(coloursUsed == 0 || coloursUsed == 256) << coloursUsed;
}

TEST_F(Wallpaper, GradientRunsFromLightToDarkBlue)
{
    EXPECT_EQ(at(0, 0), (Colour{0, 0, 247}));
    EXPECT_EQ(at(0, Height - 1), (Colour{0, 0, 128}));
    const Colour middle = at(0, Height / 2);
    EXPECT_EQ(middle.red, 0);
    EXPECT_EQ(middle.green, 0);
    EXPECT_NEAR(middle.blue, (247 + 128) / 2, 2);
    for (int row = 0; row < Height; ++row) {
        for (int x = 1; x < 30; ++x)
            ASSERT_EQ(at(x, row), at(0, row)) << "row " << row << " column " << x;
        ASSERT_EQ(at(0, row).red, 0);
        ASSERT_EQ(at(0, row).green, 0);
        if (row > 0) {
            ASSERT_LE(at(0, row).blue, at(0, row - 1).blue) << "row " << row;
        }
    }
}

TEST_F(Wallpaper, GreyBandCarriesDarkCaptionOnlyInItsRows)
{
    const Colour grey{192, 192, 192};
    std::set<int> captionRows;
    for (int row = 0; row < Height; ++row) {
        for (int x = 30; x < Width; ++x) {
            const Colour c = at(x, row);
            if (c.dark())
                captionRows.insert(row);
            else
                ASSERT_EQ(c, grey) << "row " << row << " column " << x;
        }
    }
    ASSERT_FALSE(captionRows.empty());
    EXPECT_EQ(*captionRows.begin(), 188);
    EXPECT_EQ(*captionRows.rbegin(), 385);
    // Lettering spread over the whole range, not a blot at its ends.
    EXPECT_GT(captionRows.size(), (385u - 188u) / 2);
}

TEST_F(Wallpaper, DecoderAgreesWithTheFile)
{
    const DecodedImage image = DecodeImage(bytes);
    ASSERT_EQ(image.width, Width);
    ASSERT_EQ(image.height, Height);
    for (int row = 0; row < Height; ++row) {
        for (int x = 0; x < Width; ++x)
            ASSERT_EQ(image.pixels[static_cast<std::size_t>(row * Width + x)], Argb(at(x, row)))
                << "row " << row << " column " << x;
    }
}

const Colour StandardPalette[16] = {
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};

const char* const IconFiles[] = {"program.ico", "director.ico", "fromdisk.ico", "pilned.ico"};

TEST(CommittedIcons, OneSixteenColourImageWithMask)
{
    for (const char* file : IconFiles) {
        SCOPED_TRACE(file);
        const std::vector<std::uint8_t> b = ReadCommittedImage(file);
        ASSERT_GE(b.size(), 22u);
        EXPECT_EQ(U16(b, 0), 0u); // reserved
        EXPECT_EQ(U16(b, 2), 1u); // an icon
        EXPECT_EQ(U16(b, 4), 1u); // one image
        EXPECT_EQ(b[6], 32);      // width
        EXPECT_EQ(b[7], 32);      // height
        EXPECT_EQ(b[8], 16);      // colours
        EXPECT_EQ(U16(b, 10), 1u);
        EXPECT_EQ(U16(b, 12), 4u);
        const std::uint32_t imageBytes = U32(b, 14);
        const std::uint32_t imageAt = U32(b, 18);
        EXPECT_EQ(imageAt, 22u);
        ASSERT_EQ(std::size_t{imageAt} + imageBytes, b.size());
        // Info header, palette, 32 rows of 16 colour bytes, 32 mask rows of 4.
        EXPECT_EQ(imageBytes, 40u + 64u + 512u + 128u);
        EXPECT_EQ(U32(b, imageAt), 40u);
        EXPECT_EQ(I32(b, imageAt + 4), 32);
        EXPECT_EQ(I32(b, imageAt + 8), 64); // colour rows and mask rows
        EXPECT_EQ(U16(b, imageAt + 12), 1u);
        EXPECT_EQ(U16(b, imageAt + 14), 4u);
        EXPECT_EQ(U32(b, imageAt + 16), 0u);
        for (std::size_t i = 0; i < 16; ++i) {
            const std::size_t entry = imageAt + 40 + i * 4;
            EXPECT_EQ((Colour{b[entry + 2], b[entry + 1], b[entry]}), StandardPalette[i]) << "entry " << i;
        }
    }
}

DecodedImage DecodedIcon(const char* file)
{
    return DecodeImage(ReadCommittedImage(file));
}

std::uint32_t PixelAt(const DecodedImage& image, int x, int y)
{
    return image.pixels.at(static_cast<std::size_t>(y * image.width + x));
}

TEST(CommittedIcons, BackgroundIsTransparent)
{
    for (const char* file : IconFiles) {
        SCOPED_TRACE(file);
        const DecodedImage image = DecodedIcon(file);
        ASSERT_EQ(image.width, 32);
        ASSERT_EQ(image.height, 32);
        for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}})
            EXPECT_EQ(PixelAt(image, x, y) >> 24, 0u) << x << "," << y;
    }
}

TEST(CommittedIcons, DrawingsHaveTheirColoursInPlace)
{
    struct Sample {
        const char* file;
        int x, y;
        Colour colour;
        const char* what;
    };
    const Colour blue{0, 0, 255}, white{255, 255, 255}, red{255, 0, 0}, black{0, 0, 0}, teal{0, 128, 128};
    const Sample samples[] = {
        {"director.ico", 3, 20, blue, "diskette body"},
        {"director.ico", 14, 22, white, "label"},
        {"director.ico", 14, 17, red, "label band"},
        {"fromdisk.ico", 3, 25, teal, "diskette body"},
        {"fromdisk.ico", 10, 25, white, "label"},
        {"fromdisk.ico", 13, 10, black, "arrow leaving the top"},
        {"fromdisk.ico", 24, 4, black, "arrow head"},
        {"pilned.ico", 16, 5, black, "arrow shaft"},
        {"pilned.ico", 16, 20, black, "arrow head"},
        {"pilned.ico", 16, 28, black, "bar"},
        {"program.ico", 16, 7, blue, "zig-zag"},
    };
    for (const Sample& s : samples) {
        SCOPED_TRACE(std::string(s.file) + " " + s.what);
        EXPECT_EQ(PixelAt(DecodedIcon(s.file), s.x, s.y), Argb(s.colour));
    }
}

TEST(CommittedIcons, ArrowStandsClearAboveItsBar)
{
    const DecodedImage image = DecodedIcon("pilned.ico");
    int gapRows = 0;
    for (int y = 20; y < 28; ++y) {
        bool empty = true;
        for (int x = 0; x < 32; ++x)
            empty = empty && (PixelAt(image, x, y) >> 24) == 0;
        gapRows += empty ? 1 : 0;
    }
    EXPECT_GE(gapRows, 1);
}

// A zig-zag crosses a vertical line through its middle once a stroke.
TEST(CommittedIcons, ProgramIconZigZags)
{
    const DecodedImage image = DecodedIcon("program.ico");
    int strokes = 0;
    bool inStroke = false;
    for (int y = 0; y < 32; ++y) {
        const std::uint32_t pixel = PixelAt(image, 16, y);
        const bool drawn = (pixel >> 24) != 0;
        if (drawn && !inStroke)
            ++strokes;
        inStroke = drawn;
        if (drawn) {
            EXPECT_TRUE(pixel == Argb({0, 0, 255}) || pixel == Argb({0, 0, 128})) << "row " << y;
        }
    }
    EXPECT_EQ(strokes, 4);
}

} // namespace
} // namespace dirdock
