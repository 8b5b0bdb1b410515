#pragma once

#include <cstdint>
#include <span>

namespace dirdock {

// Little-endian reads from a byte buffer. Every read is checked against the
// buffer's end: a read that does not fit marks the reader failed and gives
// 0, so a decoder can read a header whole and check once.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool fits(std::uint64_t offset, std::uint64_t length) const
    {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }

    std::uint8_t u8(std::uint64_t offset)
    {
        if (!fits(offset, 1)) {
            failed_ = true;
            return 0;
        }
        return bytes_[static_cast<std::size_t>(offset)];
    }

    std::uint16_t u16(std::uint64_t offset)
    {
        if (!fits(offset, 2)) {
            failed_ = true;
            return 0;
        }
        return static_cast<std::uint16_t>(u8(offset) | u8(offset + 1) << 8);
    }

    std::uint32_t u32(std::uint64_t offset)
    {
        if (!fits(offset, 4)) {
            failed_ = true;
            return 0;
        }
        return static_cast<std::uint32_t>(u16(offset)) | static_cast<std::uint32_t>(u16(offset + 2)) << 16;
    }

    std::int32_t i32(std::uint64_t offset) { return static_cast<std::int32_t>(u32(offset)); }

    bool failed() const { return failed_; }
    std::uint64_t size() const { return bytes_.size(); }

private:
    std::span<const std::uint8_t> bytes_;
    bool failed_ = false;
};

} // namespace dirdock
