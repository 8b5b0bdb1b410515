#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace dirdock::testing {

// The bytes of a committed image file, empty when it cannot be read.
inline std::vector<std::uint8_t> ReadCommittedImage(const std::string& fileName)
{
    std::ifstream in(std::string(DIRDOCK_IMAGES_DIR) + "/" + fileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::uint32_t U16(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b.at(at) | b.at(at + 1) << 8;
}

inline std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return U16(b, at) | U16(b, at + 2) << 16;
}

inline std::int32_t I32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return static_cast<std::int32_t>(U32(b, at));
}

} // namespace dirdock::testing
