#include "tools/Artwork.h"
#include "tools/ImageFileWriter.h"

namespace dirdock::tools {
namespace {

constexpr int IconSize = 32;

struct DisketteColours {
    int body;
    int labelBand; // the band across the label's top; White for none
};

// A diskette in the box given: body with a cut corner, a metal shutter at
// the top and a white label below it.
void DrawDiskette(IndexedCanvas& canvas, int left, int top, int right, int bottom, DisketteColours colours)
{
    const double l = left, t = top, r = right + 1.0, b = bottom + 1.0;
    canvas.fillPolygon({{l, t}, {r - 3, t}, {r, t + 3}, {r, b}, {l, b}}, Black);
    canvas.fillPolygon({{l + 1, t + 1}, {r - 3.5, t + 1}, {r - 1, t + 3.5}, {r - 1, b - 1}, {l + 1, b - 1}},
                       colours.body);

    const int width = right - left + 1;
    const int height = bottom - top + 1;
    const int shutterLeft = left + width / 4;
    const int shutterRight = right - width / 4;
    const int shutterBottom = top + height * 3 / 8;
    canvas.framedRect(shutterLeft, top, shutterRight, shutterBottom, Silver, Black);
    const int slotLeft = shutterLeft + (shutterRight - shutterLeft) / 2 + 1;
    canvas.fillRect(slotLeft, top + 2, slotLeft + width / 8, shutterBottom - 2, colours.body);

    const int labelTop = shutterBottom + 3;
    canvas.framedRect(left + 3, labelTop, right - 3, bottom - 2, White, Black);
    if (colours.labelBand != White)
        canvas.fillRect(left + 4, labelTop + 1, right - 4, labelTop + 3, colours.labelBand);
}

} // namespace

std::vector<std::uint8_t> MakeDirectorIcon()
{
    IndexedCanvas canvas(IconSize, IconSize);
    DrawDiskette(canvas, 2, 2, 29, 29, {Blue, Red});
    return EncodeIconFile4(canvas);
}

std::vector<std::uint8_t> MakeFromDiskIcon()
{
    IndexedCanvas canvas(IconSize, IconSize);
    DrawDiskette(canvas, 1, 12, 21, 31, {Teal, White});
    // The arrow leaves the diskette's top, bends to the right and points on.
    canvas.upperLeftArc({20.0, 13.0}, 6.5, 9.0, Black);
    canvas.fillPolygon({{19.5, 0.0}, {19.5, 9.5}, {27.5, 4.75}}, Black);
    return EncodeIconFile4(canvas);
}

std::vector<std::uint8_t> MakePilNedIcon()
{
    IndexedCanvas canvas(IconSize, IconSize);
    canvas.fillRect(13, 2, 18, 14, Black);
    canvas.fillPolygon({{5.0, 14.0}, {27.0, 14.0}, {16.0, 25.0}}, Black);
    canvas.fillRect(8, 27, 23, 29, Black);
    return EncodeIconFile4(canvas);
}

std::vector<std::uint8_t> MakeProgramIcon()
{
    IndexedCanvas canvas(IconSize, IconSize);
    const IndexedCanvas::Point corners[] = {{4.0, 3.5}, {28.0, 9.75}, {4.0, 16.0}, {28.0, 22.25}, {4.0, 28.5}};
    for (std::size_t i = 0; i + 1 < std::size(corners); ++i)
        canvas.line(corners[i], corners[i + 1], 4.5, Navy);
    for (std::size_t i = 0; i + 1 < std::size(corners); ++i)
        canvas.line(corners[i], corners[i + 1], 2.5, Blue);
    return EncodeIconFile4(canvas);
}

} // namespace dirdock::tools
