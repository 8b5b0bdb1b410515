#include "DirectoryListing.h"

namespace dirdock {

void ListDirectoryInto(Queue&, std::string_view, std::int32_t) {}

bool MatchesPattern(std::string_view, std::string_view)
{
    return false;
}

} // namespace dirdock
