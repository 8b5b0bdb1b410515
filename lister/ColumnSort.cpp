#include "ColumnSort.h"

#include <array>

namespace dirdock {

std::int32_t PressedColumn(std::string_view columnText)
{
    constexpr std::array<std::string_view, 5> headers{"1", "2", "3", "4", "5"};
    for (std::size_t i = 0; i < headers.size(); ++i) {
        if (columnText == headers[i])
            return static_cast<std::int32_t>(i) + 1;
    }
    return 0;
}

HeaderSort NextHeaderSort(std::uint8_t sortState, std::int32_t column)
{
    const auto ascending = static_cast<std::uint8_t>(2 * column - 1);
    if (sortState == ascending)
        return {static_cast<std::uint8_t>(2 * column), -column};
    return {ascending, column};
}

} // namespace dirdock
