#include <vector>

#include "windows/EmbeddedImageFiles.h"
#include "windows/Images.h"

namespace dirdock {
namespace {

struct StoredImageSource {
    std::string_view name;
    StoredImageKind kind;
    std::string_view fileName; // in windows/images
};

// The program's own icon comes first among the icon groups: that is the
// icon the operating system shows for the program file.
constexpr StoredImageSource Sources[] = {
    {"TBBG_BMP", StoredImageKind::Image, "tbbg.bmp"},
    {ProgramIconName, StoredImageKind::IconGroup, "program.ico"},
    {"DIRECTOR_ICO", StoredImageKind::IconGroup, "director.ico"},
    {"FROMDISK_ICO", StoredImageKind::IconGroup, "fromdisk.ico"},
    {"PILNED_ICO", StoredImageKind::IconGroup, "pilned.ico"},
};

std::vector<StoredImage> CollectStoredImages()
{
    std::vector<StoredImage> images;
    for (const StoredImageSource& source : Sources)
        images.push_back({source.name, source.kind, EmbeddedImageFile(source.fileName)});
    return images;
}

} // namespace

std::span<const StoredImage> StoredImages()
{
    static const std::vector<StoredImage> images = CollectStoredImages();
    return images;
}

std::span<const std::uint8_t> FindStoredImage(std::string_view storedName)
{
    for (const StoredImage& image : StoredImages()) {
        if (image.name == storedName)
            return image.bytes;
    }
    return {};
}

} // namespace dirdock
