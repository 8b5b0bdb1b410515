#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/windows/ImageFiles.h"
#include "tools/Artwork.h"
#include "windows/Images.h"

namespace dirdock {
namespace {

using testing::ReadCommittedImage;

TEST(StoredImageName, CapitalsWithDotsMadeUnderscores)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"tbbg.bmp", "TBBG_BMP"},
        {"director.ico", "DIRECTOR_ICO"},
        {"fromdisk.ico", "FROMDISK_ICO"},
        {"Pilned.ico", "PILNED_ICO"},
        {"PILNED.ICO", "PILNED_ICO"},
        {"", ""},
        {"a.b.c", "A_B_C"},
        {"no_dot9", "NO_DOT9"},
    };
    for (const auto& [file, stored] : cases)
        EXPECT_EQ(StoredImageName(file), stored) << file;
}

struct StoredCase {
    std::string_view name;
    StoredImageKind kind;
    std::string_view file;
};

const StoredCase StoredCases[] = {
    {"TBBG_BMP", StoredImageKind::Image, "tbbg.bmp"},
    {ProgramIconName, StoredImageKind::IconGroup, "program.ico"},
    {"DIRECTOR_ICO", StoredImageKind::IconGroup, "director.ico"},
    {"FROMDISK_ICO", StoredImageKind::IconGroup, "fromdisk.ico"},
    {"PILNED_ICO", StoredImageKind::IconGroup, "pilned.ico"},
};

TEST(StoredImages, EmbeddedBytesAreTheCommittedFiles)
{
    for (const StoredCase& c : StoredCases) {
        SCOPED_TRACE(c.file);
        const std::vector<std::uint8_t> committed = ReadCommittedImage(std::string(c.file));
        ASSERT_FALSE(committed.empty());
        const auto stored = FindStoredImage(c.name);
        EXPECT_EQ(std::vector<std::uint8_t>(stored.begin(), stored.end()), committed);
    }
}

TEST(StoredImages, StoredOrderPutsTheProgramIconFirstAmongIconGroups)
{
    const auto images = StoredImages();
    ASSERT_EQ(images.size(), std::size(StoredCases));
    for (std::size_t i = 0; i < images.size(); ++i) {
        EXPECT_EQ(images[i].name, StoredCases[i].name);
        EXPECT_EQ(images[i].kind, StoredCases[i].kind);
        EXPECT_EQ(images[i].bytes.data(), FindStoredImage(StoredCases[i].name).data());
    }
    const auto firstIcon = std::find_if(images.begin(), images.end(),
                                        [](const StoredImage& i) { return i.kind == StoredImageKind::IconGroup; });
    ASSERT_NE(firstIcon, images.end());
    EXPECT_EQ(firstIcon->name, "\x01");
}

TEST(StoredImages, UnknownNamesFindNothing)
{
    for (std::string_view name : {"", "tbbg.bmp", "tbbg_bmp", "TBBG", "TBBG_BMP ", "\x02", "PROGRAM_ICO"})
        EXPECT_TRUE(FindStoredImage(name).empty()) << name;
}

// The committed images are the generator's output: changing the artwork
// without writing the images again is caught here.
TEST(StoredImages, GeneratorWritesTheCommittedFiles)
{
    const std::vector<tools::GeneratedImage> generated = tools::MakeImages();
    ASSERT_EQ(generated.size(), std::size(StoredCases));
    for (const tools::GeneratedImage& image : generated) {
        SCOPED_TRACE(image.fileName);
        EXPECT_EQ(image.bytes, ReadCommittedImage(image.fileName));
    }
}

} // namespace
} // namespace dirdock
