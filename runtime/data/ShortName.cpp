#include "ShortName.h"

namespace dirdock {

bool IsValidShortName(std::string_view)
{
    return false;
}

std::vector<std::string> MakeShortNames(const std::vector<std::string_view>& longNames)
{
    return std::vector<std::string>(longNames.size());
}

} // namespace dirdock
