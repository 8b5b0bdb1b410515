#include "ListRows.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "runtime/data/RecordDescription.h"
#include "runtime/data/Records.h"
#include "windows/WindowDefinition.h"

namespace dirdock::test {

namespace {

template <std::size_t N>
void putText(char (&field)[N], const std::string& text)
{
    std::memset(field, ' ', N);
    std::memcpy(field, text.data(), std::min(N, text.size()));
}

ListSnapshot emptySnapshot()
{
    ListSnapshot snapshot;
    const auto layout = RecordLayout::parse(ListRecordDescription);
    snapshot.recordSize = sizeof(ListRecord);
    if (layout)
        snapshot.fields.assign(layout->fields().begin(), layout->fields().end());
    return snapshot;
}

void append(ListSnapshot& snapshot, const ListRow& row)
{
    ListRecord record{};
    putText(record.FqName, row.name);
    putText(record.FqShortName, row.shortName);
    record.FqDate = row.date;
    record.FqTime = row.time;
    record.FqSize = row.size;
    const auto* bytes = reinterpret_cast<const std::byte*>(&record);
    snapshot.records.insert(snapshot.records.end(), bytes, bytes + sizeof record);
}

} // namespace

std::string_view DirectoryListFormat()
{
    const WindowDefinition* definition = FindWindowDefinition("Kestrova$KSTRV003", "P1$WINDOW");
    if (definition == nullptr)
        return {};
    for (const ControlDefinition& control : definition->controls) {
        if (control.kind == ControlKind::List)
            return control.listFormat;
    }
    return {};
}

std::int32_t TimeNumber(int hour, int minute, int second)
{
    return ((hour * 60 + minute) * 60 + second) * 100 + 1;
}

ListSnapshot MakeSnapshot(const std::vector<ListRow>& rows)
{
    ListSnapshot snapshot = emptySnapshot();
    for (const ListRow& row : rows)
        append(snapshot, row);
    return snapshot;
}

ListSnapshot MakeNumberedSnapshot(std::int32_t count)
{
    ListSnapshot snapshot = emptySnapshot();
    snapshot.records.reserve(static_cast<std::size_t>(count) * snapshot.recordSize);
    char name[32];
    for (std::int32_t i = 1; i <= count; ++i) {
        std::snprintf(name, sizeof name, "file%06d.txt", i);
        append(snapshot, ListRow{name, "FILE~1.TXT", 20240312, TimeNumber(9, 30, 0), i});
    }
    return snapshot;
}

} // namespace dirdock::test
