#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/data/RecordDescription.h"

namespace dirdock {

// The copy of a list's queue that the GUI thread shows, so that the
// procedure's thread may change its queue while the list paints.
struct ListSnapshot {
    std::vector<std::byte> records; // back to back
    std::size_t recordSize = 0;
    std::vector<FieldLayout> fields; // from the queue's RecordLayout

    // records.size() / recordSize, 0 when recordSize is 0.
    std::int32_t count() const;
    // The bytes of record `row` (from 0); nullptr when out of range.
    const std::byte* record(std::int32_t row) const;
};

} // namespace dirdock
