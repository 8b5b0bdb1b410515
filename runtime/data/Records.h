#pragma once

#include <cstddef>
#include <cstdint>

namespace dirdock {

// Attribute bits of a directory entry.
inline constexpr std::uint8_t AttributeReadOnly = 0x01;
inline constexpr std::uint8_t AttributeHidden = 0x02;
inline constexpr std::uint8_t AttributeSystem = 0x04;
inline constexpr std::uint8_t AttributeDirectory = 0x10;
inline constexpr std::uint8_t AttributeArchive = 0x20;

#pragma pack(push, 1)

// One entry of a directory listing, as the listing delivers it.
struct DirectoryEntryRecord {
    char Name[256];
    char ShortName[13];
    std::int32_t Date;
    std::int32_t Time;
    std::int32_t Size;
    std::uint8_t Attrib;
};

// One row of the directory window's list.
struct ListRecord {
    char FqName[255];
    char FqShortName[13];
    std::int32_t FqDate;
    std::int32_t FqTime;
    std::int32_t FqSize;
    std::uint8_t FqAttrib;
};

#pragma pack(pop)

// The runtime's record layouts: sizes and offsets are part of the contract.
static_assert(sizeof(DirectoryEntryRecord) == 282);
static_assert(offsetof(DirectoryEntryRecord, Name) == 0);
static_assert(offsetof(DirectoryEntryRecord, ShortName) == 256);
static_assert(offsetof(DirectoryEntryRecord, Date) == 269);
static_assert(offsetof(DirectoryEntryRecord, Time) == 273);
static_assert(offsetof(DirectoryEntryRecord, Size) == 277);
static_assert(offsetof(DirectoryEntryRecord, Attrib) == 281);

static_assert(sizeof(ListRecord) == 281);
static_assert(offsetof(ListRecord, FqName) == 0);
static_assert(offsetof(ListRecord, FqShortName) == 255);
static_assert(offsetof(ListRecord, FqDate) == 268);
static_assert(offsetof(ListRecord, FqTime) == 272);
static_assert(offsetof(ListRecord, FqSize) == 276);
static_assert(offsetof(ListRecord, FqAttrib) == 280);

} // namespace dirdock
