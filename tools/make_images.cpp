// Writes the program's images into a folder (by default the committed one),
// so that the images are made by code of our own rather than drawn by hand.

#include <cstdio>
#include <fstream>
#include <string>

#include "tools/Artwork.h"

namespace {

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 2) {
        std::fprintf(stderr, "usage: %s [output folder]\n", argv[0]);
        return 2;
    }
    const std::string folder = argc == 2 ? argv[1] : DIRDOCK_IMAGES_DIR;
    for (const auto& image : dirdock::tools::MakeImages()) {
        const std::string path = folder + "/" + image.fileName;
        if (!WriteFile(path, image.bytes)) {
            std::fprintf(stderr, "make_images: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s: %zu bytes\n", path.c_str(), image.bytes.size());
    }
    return 0;
}
