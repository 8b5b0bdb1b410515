#pragma once

#include <cstdint>
#include <string_view>

namespace dirdock {

// The list column a header press names: 1 to 5 for the header texts "1" to
// "5", 0 for any other text.
std::int32_t PressedColumn(std::string_view columnText);

struct HeaderSort {
    std::uint8_t state; // 2n-1: column n ascending, 2n: descending
    std::int32_t key;   // signed field number for QueueSort
};

// A press on column n sorts it descending right after it was sorted
// ascending, and ascending in every other state.
HeaderSort NextHeaderSort(std::uint8_t sortState, std::int32_t column);

} // namespace dirdock
