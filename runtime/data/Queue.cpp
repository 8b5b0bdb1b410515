#include "Queue.h"

#include <cstring>

namespace dirdock {

Queue::Queue(void* buffer, std::span<const std::uint8_t> description, std::size_t recordSize)
    : m_buffer(buffer), m_recordSize(recordSize), m_layout(RecordLayout::parse(description).value_or(RecordLayout{}))
{
}

std::int32_t Queue::count() const
{
    if (m_recordSize == 0)
        return 0;
    return static_cast<std::int32_t>(m_records.size() / m_recordSize);
}

void Queue::get(std::int32_t n)
{
    if (!m_buffer || n < 1 || n > count())
        return;
    const std::size_t at = (static_cast<std::size_t>(n) - 1) * m_recordSize;
    std::memcpy(m_buffer, m_records.data() + at, m_recordSize);
}

void Queue::add()
{
    addRecord(m_buffer);
}

void Queue::addRecord(const void* record)
{
    if (!record || m_recordSize == 0)
        return;
    const auto* bytes = static_cast<const std::byte*>(record);
    m_records.insert(m_records.end(), bytes, bytes + m_recordSize);
}

void Queue::clear()
{
    m_records.clear();
    m_records.shrink_to_fit();
}

void Queue::reserve(std::size_t records)
{
    m_records.reserve(records * m_recordSize);
}

} // namespace dirdock
