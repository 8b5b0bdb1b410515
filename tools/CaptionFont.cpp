#include "tools/CaptionFont.h"

namespace dirdock::tools {
namespace {

struct FontEntry {
    char letter;
    Glyph glyph;
};

constexpr FontEntry Font[] = {
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".###.", "#...#", "#....", ".###.", "....#", "#...#", ".###."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
};

constexpr Glyph Blank = {".....", ".....", ".....", ".....", ".....", ".....", "....."};

} // namespace

const Glyph& GlyphFor(char letter)
{
    for (const FontEntry& entry : Font) {
        if (entry.letter == letter)
            return entry.glyph;
    }
    return Blank;
}

} // namespace dirdock::tools
