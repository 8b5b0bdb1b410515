// Records, queues and directory listings: the data layer does the work.

#include "core/Runtime.h"
#include "runtime/data/DirectoryListing.h"
#include "runtime/data/RecordDescription.h"

namespace dirdock {

void ListDirectory(Queue& queue, std::string_view mask, std::int32_t attributes)
{
    ListDirectoryInto(queue, mask, attributes);
}

std::int32_t QueueCount(Queue& queue)
{
    return queue.count();
}

void QueueGet(Queue& queue, std::int32_t n)
{
    queue.get(n);
}

void QueueAdd(Queue& queue)
{
    queue.add();
}

void QueueFree(Queue& queue)
{
    queue.clear();
}

void QueueSort(Queue& queue, std::int32_t key)
{
    queue.sort(key);
}

void ClearRecord(void* buffer, std::span<const std::uint8_t> description)
{
    ClearRecordBytes(buffer, description);
}

} // namespace dirdock
