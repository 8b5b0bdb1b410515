#pragma once

#include <cstdint>
#include <string_view>

#include "Queue.h"

namespace dirdock {

// Appends one directory entry record to the queue for every entry that the
// mask (a directory part and a name pattern) and the attributes select.
// Attributes 0: plain files only; other attributes select nothing yet.
// Failures give the records read so far.
void ListDirectoryInto(Queue& queue, std::string_view mask, std::int32_t attributes);

// Whether a name matches a wildcard pattern ("*", "?", "*.*", "*.").
bool MatchesPattern(std::string_view pattern, std::string_view name);

} // namespace dirdock
