#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "RecordDescription.h"

namespace dirdock {

// An ordered list of records of one type, kept back to back in one array,
// with the record buffer through which records go in and out.
class Queue {
public:
    Queue(void* buffer, std::span<const std::uint8_t> description, std::size_t recordSize);

    std::int32_t count() const;
    // Copies record n (from 1) into the buffer; any other n leaves it alone.
    void get(std::int32_t n);
    // Appends a copy of the buffer.
    void add();
    // Appends a copy of a record of the queue's size, leaving the buffer alone.
    void addRecord(const void* record);
    void clear();
    // Sorts by field |key|, descending when key is negative. Stable.
    void sort(std::int32_t key);

    void* buffer() const { return m_buffer; }
    std::size_t recordSize() const { return m_recordSize; }
    const RecordLayout& layout() const { return m_layout; }
    std::span<const std::byte> records() const { return m_records; }
    void reserve(std::size_t records);
    // Bytes of memory the stored records take, slack included.
    std::size_t heldBytes() const { return m_records.capacity(); }

private:
    void* m_buffer;
    std::size_t m_recordSize;
    RecordLayout m_layout;
    std::vector<std::byte> m_records;
};

} // namespace dirdock
