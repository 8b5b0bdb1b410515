#include <algorithm>
#include <cstring>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

#include "FixedText.h"
#include "NaturalTextKey.h"
#include "Queue.h"

namespace dirdock {

namespace {

using Index = std::vector<std::uint32_t>;

std::int64_t ReadNumberField(const std::byte* field, const FieldLayout& layout)
{
    if (layout.type == FieldType::UInt8)
        return std::to_integer<std::uint8_t>(field[0]);
    std::uint32_t bits = 0;
    for (std::size_t i = 4; i > 0; --i)
        bits = (bits << 8) | std::to_integer<std::uint32_t>(field[i - 1]);
    return static_cast<std::int32_t>(bits);
}

std::string_view TextField(const std::byte* field, const FieldLayout& layout)
{
    return TrimmedFixed({reinterpret_cast<const char*>(field), layout.length});
}

// Orders the index by the numbers, extracted once per record.
void SortByNumber(Index& order, std::span<const std::byte> records, std::size_t recordSize,
                  const FieldLayout& field, bool descending)
{
    std::vector<std::int64_t> keys(order.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        keys[i] = ReadNumberField(records.data() + i * recordSize + field.offset, field);
    if (descending)
        std::stable_sort(order.begin(), order.end(), [&](auto a, auto b) { return keys[a] > keys[b]; });
    else
        std::stable_sort(order.begin(), order.end(), [&](auto a, auto b) { return keys[a] < keys[b]; });
}

// A text key: its natural key in the shared arena and the text's own bytes,
// which break ties so that only identical texts compare equal.
struct TextKey {
    std::uint32_t keyAt;
    std::uint32_t keyLength;
    std::string_view text;
};

int CompareText(const std::string& arena, const TextKey& a, const TextKey& b)
{
    const std::string_view keyA(arena.data() + a.keyAt, a.keyLength);
    const std::string_view keyB(arena.data() + b.keyAt, b.keyLength);
    const int byKey = keyA.compare(keyB);
    return byKey != 0 ? byKey : a.text.compare(b.text);
}

void SortByText(Index& order, std::span<const std::byte> records, std::size_t recordSize,
                const FieldLayout& field, bool descending)
{
    std::string arena;
    std::vector<TextKey> keys(order.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::string_view text = TextField(records.data() + i * recordSize + field.offset, field);
        const auto keyAt = static_cast<std::uint32_t>(arena.size());
        AppendNaturalTextKey(arena, text);
        keys[i] = {keyAt, static_cast<std::uint32_t>(arena.size() - keyAt), text};
    }
    if (descending)
        std::stable_sort(order.begin(), order.end(),
                         [&](auto a, auto b) { return CompareText(arena, keys[a], keys[b]) > 0; });
    else
        std::stable_sort(order.begin(), order.end(),
                         [&](auto a, auto b) { return CompareText(arena, keys[a], keys[b]) < 0; });
}

} // namespace

void Queue::sort(std::int32_t key)
{
    if (key == 0 || key == INT32_MIN)
        return;
    const FieldLayout* field = m_layout.field(key < 0 ? -key : key);
    const std::size_t n = static_cast<std::size_t>(count());
    if (!field || field->offset + field->length > m_recordSize || n < 2)
        return;
    Index order(n);
    std::iota(order.begin(), order.end(), 0u);
    if (field->type == FieldType::Text)
        SortByText(order, m_records, m_recordSize, *field, key < 0);
    else
        SortByNumber(order, m_records, m_recordSize, *field, key < 0);
    std::vector<std::byte> sorted(m_records.size());
    for (std::size_t i = 0; i < n; ++i)
        std::memcpy(sorted.data() + i * m_recordSize, m_records.data() + order[i] * m_recordSize, m_recordSize);
    m_records.swap(sorted);
}

} // namespace dirdock
