#pragma once

#include <cstdint>
#include <string>
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

// The list format of the directory window's list.
inline constexpr const char* DirectoryListFormat =
    "117L(1)|M~Long filename~S(200)@s255@62L(1)|M~Short filename~@s13@45R(1)|M~Date~L@d6-@"
    "42R(1)|~Time~L@t8@56R(1)~Size~L@n-14@";

// A time number from the time of day.
std::int32_t TimeNumber(int hour, int minute, int second);

// A snapshot of list records, laid out as the list's queue holds them.
ListSnapshot MakeSnapshot(const std::vector<ListRow>& rows);
// `count` rows named "file000001.txt" and on.
ListSnapshot MakeNumberedSnapshot(std::int32_t count);

} // namespace dirdock::test
