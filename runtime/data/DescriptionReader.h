#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "RecordDescription.h"

namespace dirdock {

// Reading a record description's bytes. Every step checks its bounds, and it
// all runs at compile time too, so that the static descriptions can be held
// against the packed structs they describe.

inline constexpr std::size_t DescriptionHeaderSize = 14;
inline constexpr std::uint16_t DescriptionKindRecord = 0x16;

struct DescriptionHeader {
    std::uint32_t recordSize;
    std::uint32_t fieldCount;
    std::uint32_t totalLength;
};

struct DescribedField {
    FieldType type;
    std::size_t length;     // bytes in the record
    std::size_t nameAt;     // index of the name in the description
    std::size_t nameLength; // without its terminator
};

constexpr std::uint32_t ReadLittleEndian(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t count)
{
    std::uint32_t value = 0;
    for (std::size_t i = count; i > 0; --i)
        value = (value << 8) | bytes[at + i - 1];
    return value;
}

// The header, when the bytes hold one of the record kind whose stated length
// fits in them.
constexpr std::optional<DescriptionHeader> ReadDescriptionHeader(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < DescriptionHeaderSize)
        return std::nullopt;
    if (ReadLittleEndian(bytes, 0, 2) != DescriptionKindRecord)
        return std::nullopt;
    const DescriptionHeader header{ReadLittleEndian(bytes, 2, 4), ReadLittleEndian(bytes, 6, 4),
                                   ReadLittleEndian(bytes, 10, 4)};
    if (header.totalLength < DescriptionHeaderSize || header.totalLength > bytes.size())
        return std::nullopt;
    return header;
}

constexpr std::optional<FieldType> ReadFieldType(std::uint8_t byte)
{
    switch (byte) {
    case static_cast<std::uint8_t>(FieldType::Text):
        return FieldType::Text;
    case static_cast<std::uint8_t>(FieldType::Int32):
        return FieldType::Int32;
    case static_cast<std::uint8_t>(FieldType::UInt8):
        return FieldType::UInt8;
    default:
        return std::nullopt;
    }
}

// A text length below 0x20 is one byte; from 0x20 on it is two bytes, high
// byte first, holding 0x2000 plus the length.
constexpr std::optional<std::size_t> ReadTextLength(std::span<const std::uint8_t> bytes, std::size_t& cursor)
{
    if (cursor >= bytes.size())
        return std::nullopt;
    const std::uint8_t first = bytes[cursor];
    if (first < 0x20) {
        cursor += 1;
        return first;
    }
    if (first > 0x3F || cursor + 2 > bytes.size())
        return std::nullopt;
    const std::size_t value = (std::size_t{first} << 8) | bytes[cursor + 1];
    cursor += 2;
    return value - 0x2000;
}

constexpr std::optional<std::size_t> FieldLength(FieldType type, std::span<const std::uint8_t> bytes,
                                                 std::size_t& cursor)
{
    switch (type) {
    case FieldType::Int32:
        return 4;
    case FieldType::UInt8:
        return 1;
    case FieldType::Text:
        return ReadTextLength(bytes, cursor);
    }
    return std::nullopt;
}

// One field entry at cursor, which moves past it; bytes ends where the
// description's stated length ends.
constexpr std::optional<DescribedField> ReadDescribedField(std::span<const std::uint8_t> bytes, std::size_t& cursor)
{
    if (cursor + 2 > bytes.size())
        return std::nullopt;
    const std::optional<FieldType> type = ReadFieldType(bytes[cursor]);
    if (!type)
        return std::nullopt;
    cursor += 2; // type and flag byte
    const std::optional<std::size_t> length = FieldLength(*type, bytes, cursor);
    if (!length || *length == 0)
        return std::nullopt;
    const std::size_t nameAt = cursor;
    while (cursor < bytes.size() && bytes[cursor] != 0)
        ++cursor;
    if (cursor >= bytes.size() || cursor == nameAt)
        return std::nullopt;
    const std::size_t nameLength = cursor - nameAt;
    ++cursor; // terminator
    return DescribedField{*type, *length, nameAt, nameLength};
}

struct ExpectedField {
    FieldType type;
    std::size_t offset;
    std::size_t length;
};

// Whether a description describes exactly these fields at these offsets and
// a record of this size.
template <std::size_t N>
constexpr bool DescriptionAgrees(std::span<const std::uint8_t> bytes, std::size_t recordSize,
                                 const ExpectedField (&expected)[N])
{
    const std::optional<DescriptionHeader> header = ReadDescriptionHeader(bytes);
    if (!header || header->recordSize != recordSize || header->fieldCount != N
        || header->totalLength != bytes.size())
        return false;
    const auto body = bytes.first(header->totalLength);
    std::size_t cursor = DescriptionHeaderSize;
    std::size_t offset = 0;
    for (const ExpectedField& want : expected) {
        const std::optional<DescribedField> field = ReadDescribedField(body, cursor);
        if (!field || field->type != want.type || offset != want.offset || field->length != want.length)
            return false;
        offset += field->length;
    }
    return cursor == body.size() && offset == recordSize;
}

} // namespace dirdock
