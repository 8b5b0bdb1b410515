#include "RecordDescription.h"

#include <algorithm>
#include <cstring>

#include "DescriptionReader.h"
#include "Records.h"

namespace dirdock {

constexpr std::array<std::uint8_t, 90> DirectoryEntryDescription = {
    0x16, 0x00,             // a record
    0x1A, 0x01, 0x00, 0x00, // 282 bytes
    0x06, 0x00, 0x00, 0x00, // 6 fields
    0x5A, 0x00, 0x00, 0x00, // 90 bytes of description
    0x12, 0x02, 0x21, 0x00, 'F', 'I', 'L', ':', 'N', 'A', 'M', 'E', 0,
    0x12, 0x02, 0x0D, 'F', 'I', 'L', ':', 'S', 'H', 'O', 'R', 'T', 'N', 'A', 'M', 'E', 0,
    0x06, 0x02, 'F', 'I', 'L', ':', 'D', 'A', 'T', 'E', 0,
    0x06, 0x02, 'F', 'I', 'L', ':', 'T', 'I', 'M', 'E', 0,
    0x06, 0x02, 'F', 'I', 'L', ':', 'S', 'I', 'Z', 'E', 0,
    0x01, 0x02, 'F', 'I', 'L', ':', 'A', 'T', 'T', 'R', 'I', 'B', 0,
};

constexpr std::array<std::uint8_t, 102> ListRecordDescription = {
    0x16, 0x00,             // a record
    0x19, 0x01, 0x00, 0x00, // 281 bytes
    0x06, 0x00, 0x00, 0x00, // 6 fields
    0x66, 0x00, 0x00, 0x00, // 102 bytes of description
    0x12, 0x02, 0x20, 0xFF, 'L', 'O', 'C', ':', 'F', 'Q', 'N', 'A', 'M', 'E', 0,
    0x12, 0x02, 0x0D, 'L', 'O', 'C', ':', 'F', 'Q', 'S', 'H', 'O', 'R', 'T', 'N', 'A', 'M', 'E', 0,
    0x06, 0x02, 'L', 'O', 'C', ':', 'F', 'Q', 'D', 'A', 'T', 'E', 0,
    0x06, 0x02, 'L', 'O', 'C', ':', 'F', 'Q', 'T', 'I', 'M', 'E', 0,
    0x06, 0x02, 'L', 'O', 'C', ':', 'F', 'Q', 'S', 'I', 'Z', 'E', 0,
    0x01, 0x02, 'L', 'O', 'C', ':', 'F', 'Q', 'A', 'T', 'T', 'R', 'I', 'B', 0,
};

namespace {

#define DIRDOCK_FIELD(Record, Member, Type) \
    ExpectedField{FieldType::Type, offsetof(Record, Member), sizeof(Record::Member)}

constexpr ExpectedField DirectoryEntryFields[] = {
    DIRDOCK_FIELD(DirectoryEntryRecord, Name, Text),   DIRDOCK_FIELD(DirectoryEntryRecord, ShortName, Text),
    DIRDOCK_FIELD(DirectoryEntryRecord, Date, Int32),  DIRDOCK_FIELD(DirectoryEntryRecord, Time, Int32),
    DIRDOCK_FIELD(DirectoryEntryRecord, Size, Int32),  DIRDOCK_FIELD(DirectoryEntryRecord, Attrib, UInt8),
};

constexpr ExpectedField ListRecordFields[] = {
    DIRDOCK_FIELD(ListRecord, FqName, Text),   DIRDOCK_FIELD(ListRecord, FqShortName, Text),
    DIRDOCK_FIELD(ListRecord, FqDate, Int32),  DIRDOCK_FIELD(ListRecord, FqTime, Int32),
    DIRDOCK_FIELD(ListRecord, FqSize, Int32),  DIRDOCK_FIELD(ListRecord, FqAttrib, UInt8),
};

#undef DIRDOCK_FIELD

static_assert(DescriptionAgrees(DirectoryEntryDescription, sizeof(DirectoryEntryRecord), DirectoryEntryFields));
static_assert(DescriptionAgrees(ListRecordDescription, sizeof(ListRecord), ListRecordFields));

} // namespace

std::optional<RecordLayout> RecordLayout::parse(std::span<const std::uint8_t> description)
{
    const std::optional<DescriptionHeader> header = ReadDescriptionHeader(description);
    if (!header)
        return std::nullopt;
    const auto body = description.first(header->totalLength);
    // Each field entry takes at least four bytes, which bounds a sane count.
    if (header->fieldCount > (body.size() - DescriptionHeaderSize) / 4)
        return std::nullopt;
    RecordLayout layout;
    layout.m_recordSize = header->recordSize;
    std::size_t cursor = DescriptionHeaderSize;
    std::size_t offset = 0;
    for (std::uint32_t i = 0; i < header->fieldCount; ++i) {
        const std::optional<DescribedField> field = ReadDescribedField(body, cursor);
        if (!field || field->length > layout.m_recordSize - offset)
            return std::nullopt;
        const auto* name = reinterpret_cast<const char*>(body.data() + field->nameAt);
        layout.m_fields.push_back({field->type, offset, field->length, {name, field->nameLength}});
        offset += field->length;
    }
    if (cursor != body.size())
        return std::nullopt;
    return layout;
}

const FieldLayout* RecordLayout::field(int number) const
{
    if (number < 1 || static_cast<std::size_t>(number) > m_fields.size())
        return nullptr;
    return &m_fields[static_cast<std::size_t>(number) - 1];
}

void ClearRecordBytes(void* buffer, std::span<const std::uint8_t> description)
{
    const std::optional<RecordLayout> layout = RecordLayout::parse(description);
    if (!buffer || !layout)
        return;
    auto* bytes = static_cast<char*>(buffer);
    for (const FieldLayout& field : layout->fields()) {
        const char fill = field.type == FieldType::Text ? ' ' : '\0';
        std::memset(bytes + field.offset, fill, field.length);
    }
}

} // namespace dirdock
