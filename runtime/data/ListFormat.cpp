#include "ListFormat.h"

namespace dirdock {

ListFormat ListFormat::parse(std::string_view)
{
    return {};
}

} // namespace dirdock
