#include "ListSnapshot.h"

namespace dirdock {

std::int32_t ListSnapshot::count() const
{
    if (recordSize == 0)
        return 0;
    return static_cast<std::int32_t>(records.size() / recordSize);
}

const std::byte* ListSnapshot::record(std::int32_t row) const
{
    if (row < 0 || row >= count())
        return nullptr;
    return records.data() + static_cast<std::size_t>(row) * recordSize;
}

} // namespace dirdock
