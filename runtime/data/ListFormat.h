#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dirdock {

struct ListColumn {
    int width = 0;               // dialog units
    char dataAlignment = 'L';    // 'L' or 'R'
    int indent = 0;              // dialog units
    bool rightLine = false;      // "|"
    bool resizable = false;      // "M"
    std::string header;
    char headerAlignment = 0;    // 'L', 'R', 'C' or 0 when not given
    int scrollWidth = 0;         // "S(n)": own scroll bar over n units; 0 none
    std::string picture;
};

struct ListFormatError {
    std::size_t position; // 0-based byte position in the format text
    std::string message;
};

struct ListFormat {
    std::vector<ListColumn> columns;
    std::optional<ListFormatError> error;

    static ListFormat parse(std::string_view format);
};

} // namespace dirdock
