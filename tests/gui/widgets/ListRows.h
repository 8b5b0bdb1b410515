#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/qt/ListSnapshot.h"

namespace dirdock::test {

// One row of a directory list as a test writes it.
struct ListRow {
    std::string name;
    std::string shortName;
    std::int32_t date = 0;
    std::int32_t time = 0;
    std::int32_t size = 0;
};

// The list format of the directory window's list, from its definition;
// empty when the definition has no list.
std::string_view DirectoryListFormat();

// A time number from the time of day.
std::int32_t TimeNumber(int hour, int minute, int second);

// A snapshot of list records, laid out as the list's queue holds them.
ListSnapshot MakeSnapshot(const std::vector<ListRow>& rows);
// `count` rows named "file000001.txt" and on.
ListSnapshot MakeNumberedSnapshot(std::int32_t count);

} // namespace dirdock::test
