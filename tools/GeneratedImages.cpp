#include "tools/Artwork.h"

namespace dirdock::tools {

std::vector<GeneratedImage> MakeImages()
{
    std::vector<GeneratedImage> images;
    images.push_back({"tbbg.bmp", MakeToolbarWallpaper()});
    images.push_back({"program.ico", MakeProgramIcon()});
    images.push_back({"director.ico", MakeDirectorIcon()});
    images.push_back({"fromdisk.ico", MakeFromDiskIcon()});
    images.push_back({"pilned.ico", MakePilNedIcon()});
    return images;
}

} // namespace dirdock::tools
