#include <string_view>

#include "tools/Artwork.h"
#include "tools/CaptionFont.h"
#include "tools/ImageFileWriter.h"

namespace dirdock::tools {
namespace {

constexpr int Width = 50;
constexpr int Height = 600;
constexpr int GradientColumns = 30; // columns 0..29; the grey band follows
constexpr int TopBlue = 247;
constexpr int BottomBlue = 128;

constexpr std::string_view Caption = "DIRECTORIES";
constexpr int CaptionTopRow = 188;
constexpr int CaptionBottomRow = 385;
constexpr int GlyphScaleAlong = 3;  // image rows a font column takes
constexpr int GlyphScaleAcross = 2; // image columns a font row takes
constexpr int CaptionLeftColumn = GradientColumns + (Width - GradientColumns - GlyphHeight * GlyphScaleAcross) / 2;

// Palette: the lettering, the grey band, then one entry a blue level.
constexpr int InkIndex = 0;
constexpr int GreyIndex = 1;
constexpr int FirstBlueIndex = 2;

std::array<Rgb, 256> WallpaperPalette()
{
    std::array<Rgb, 256> palette{};
    palette[InkIndex] = {0, 0, 0};
    palette[GreyIndex] = {192, 192, 192};
    for (int blue = BottomBlue; blue <= TopBlue; ++blue)
        palette[FirstBlueIndex + blue - BottomBlue] = {0, 0, static_cast<std::uint8_t>(blue)};
    return palette;
}

int BlueForRow(int row)
{
    const double fraction = static_cast<double>(row) / (Height - 1);
    return TopBlue - static_cast<int>((TopBlue - BottomBlue) * fraction + 0.5);
}

void DrawGradient(IndexedCanvas& canvas)
{
    for (int row = 0; row < Height; ++row)
        canvas.fillRect(0, row, GradientColumns - 1, row, FirstBlueIndex + BlueForRow(row) - BottomBlue);
}

// The first row of a letter, counted upward from the caption's bottom row.
// The rows left over after the letters are shared out among the gaps, so
// the caption spans its rows exactly.
int LetterStart(int letter)
{
    const int letters = static_cast<int>(Caption.size());
    const int letterRows = GlyphWidth * GlyphScaleAlong;
    const int spareRows = (CaptionBottomRow - CaptionTopRow + 1) - letters * letterRows;
    return letter * letterRows + letter * spareRows / (letters - 1);
}

// The caption reads upward: a glyph's columns run from the bottom up and
// its rows from left to right, so its top faces the gradient.
void DrawLetter(IndexedCanvas& canvas, int letter)
{
    const Glyph& glyph = GlyphFor(Caption[static_cast<std::size_t>(letter)]);
    for (int glyphRow = 0; glyphRow < GlyphHeight; ++glyphRow) {
        for (int glyphColumn = 0; glyphColumn < GlyphWidth; ++glyphColumn) {
            if (glyph[static_cast<std::size_t>(glyphRow)][static_cast<std::size_t>(glyphColumn)] != '#')
                continue;
            const int bottom = CaptionBottomRow - LetterStart(letter) - glyphColumn * GlyphScaleAlong;
            const int left = CaptionLeftColumn + glyphRow * GlyphScaleAcross;
            canvas.fillRect(left, bottom - GlyphScaleAlong + 1, left + GlyphScaleAcross - 1, bottom, InkIndex);
        }
    }
}

} // namespace

std::vector<std::uint8_t> MakeToolbarWallpaper()
{
    IndexedCanvas canvas(Width, Height, GreyIndex);
    DrawGradient(canvas);
    for (int letter = 0; letter < static_cast<int>(Caption.size()); ++letter)
        DrawLetter(canvas, letter);
    return EncodeBitmapFile8(canvas, WallpaperPalette());
}

} // namespace dirdock::tools
