#include "windows/ByteReader.h"
#include "windows/DeviceIndependentBitmap.h"
#include "windows/Images.h"

namespace dirdock {
namespace {

constexpr std::uint64_t BitmapFileHeaderSize = 14;
constexpr std::uint64_t IconDirectorySize = 6;
constexpr std::uint64_t IconEntrySize = 16;
constexpr std::uint16_t IconType = 1;

bool IsBitmapFile(std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

bool IsIconFile(std::span<const std::uint8_t> bytes)
{
    ByteReader in(bytes);
    const bool shape = in.u16(0) == 0 && in.u16(2) == IconType && in.u16(4) >= 1;
    return shape && !in.failed();
}

DecodedImage DecodeBitmapFile(std::span<const std::uint8_t> bytes)
{
    ByteReader in(bytes);
    const std::uint32_t pixelsAt = in.u32(10);
    if (in.failed())
        return {};
    return DecodeDeviceIndependentBitmap(bytes, BitmapFileHeaderSize, pixelsAt, false);
}

// Only the first image of the icon is decoded; icons whose image is stored
// compressed are not supported and give an invalid image.
DecodedImage DecodeIconFile(std::span<const std::uint8_t> bytes)
{
    ByteReader in(bytes);
    const std::uint32_t imageBytes = in.u32(IconDirectorySize + 8);
    const std::uint32_t imageAt = in.u32(IconDirectorySize + 12);
    if (in.failed() || !in.fits(IconDirectorySize, IconEntrySize) || !in.fits(imageAt, imageBytes))
        return {};
    return DecodeDeviceIndependentBitmap(bytes.subspan(imageAt, imageBytes), 0, std::nullopt, true);
}

} // namespace

DecodedImage DecodeImage(std::span<const std::uint8_t> bytes)
{
    if (IsBitmapFile(bytes))
        return DecodeBitmapFile(bytes);
    if (IsIconFile(bytes))
        return DecodeIconFile(bytes);
    return {};
}

} // namespace dirdock
