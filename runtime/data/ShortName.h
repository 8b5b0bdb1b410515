#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dirdock {

// Whether a name already is a valid 8.3 short name (case aside).
bool IsValidShortName(std::string_view name);

// Makes the 8.3 short names of one directory's long names: the result has
// one short name per long name, in the same order. Numbers ("~1", "~2") go
// by sorted long name, so the result does not depend on the input order.
std::vector<std::string> MakeShortNames(const std::vector<std::string_view>& longNames);

} // namespace dirdock
