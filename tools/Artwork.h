#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dirdock::tools {

// The toolbar's wallpaper: a blue gradient strip beside a grey band that
// carries the caption, read upward.
std::vector<std::uint8_t> MakeToolbarWallpaper();

// The icons, 32 x 32 pixels in the standard sixteen colours.
std::vector<std::uint8_t> MakeDirectorIcon(); // blue diskette, white and red label
std::vector<std::uint8_t> MakeFromDiskIcon(); // dark cyan diskette, arrow out of its top
std::vector<std::uint8_t> MakePilNedIcon();   // arrow down above a bar
std::vector<std::uint8_t> MakeProgramIcon();  // blue zig-zag

struct GeneratedImage {
    std::string fileName;
    std::vector<std::uint8_t> bytes;
};

// Every image the program carries, under the file names it is kept in.
std::vector<GeneratedImage> MakeImages();

} // namespace dirdock::tools
