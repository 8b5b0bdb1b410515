#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace dirdock {

// Field types as a record description stores them.
enum class FieldType : std::uint8_t {
    Text = 0x12,
    Int32 = 0x06,
    UInt8 = 0x01,
};

struct FieldLayout {
    FieldType type;
    std::size_t offset;
    std::size_t length; // bytes the field takes in the record
    std::string_view name;
};

// A record description read into field offsets. The names point into the
// description's bytes, which are static data.
class RecordLayout {
public:
    static std::optional<RecordLayout> parse(std::span<const std::uint8_t> description);

    std::size_t recordSize() const { return m_recordSize; }
    std::size_t fieldCount() const { return m_fields.size(); }
    // Field numbers start at 1; nullptr for a number that is not a field.
    const FieldLayout* field(int number) const;
    std::span<const FieldLayout> fields() const { return m_fields; }

private:
    std::size_t m_recordSize = 0;
    std::vector<FieldLayout> m_fields;
};

// The descriptions of the two records in the runtime's byte form.
extern const std::array<std::uint8_t, 90> DirectoryEntryDescription;
extern const std::array<std::uint8_t, 102> ListRecordDescription;

// Sets every text field of the record to blanks and every number to 0.
void ClearRecordBytes(void* buffer, std::span<const std::uint8_t> description);

} // namespace dirdock
