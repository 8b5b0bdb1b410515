// Times the data layer against the tools a user would compare it with, on
// directories it makes itself, and prints one table.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BenchFiles.h"
#include "ExternalTool.h"
#include "runtime/data/DirectoryListing.h"
#include "runtime/data/Queue.h"
#include "runtime/data/Records.h"

namespace dirdock::bench {
namespace {

constexpr int Runs = 5;

double BestOf(const std::function<double()>& once)
{
    double best = -1;
    for (int i = 0; i < Runs; ++i) {
        const double seconds = once();
        if (seconds >= 0 && (best < 0 || seconds < best))
            best = seconds;
    }
    return best;
}

double BestOfCommand(const std::string& command)
{
    return BestOf([&] { return TimeShellCommand(command); });
}

std::string Quoted(const std::string& path)
{
    return "'" + path + "'";
}

// The two queues of a directory window, with their record buffers.
struct WindowQueues {
    DirectoryEntryRecord entryBuffer{};
    ListRecord listBuffer{};
    Queue entries{&entryBuffer, DirectoryEntryDescription, sizeof(DirectoryEntryRecord)};
    Queue list{&listBuffer, ListRecordDescription, sizeof(ListRecord)};
};

// Lists, copies field by field into the list queue and sorts by name, as
// the directory window does.
void ListAsTheWindowDoes(WindowQueues& q, const std::string& directory)
{
    q.entries.clear();
    q.list.clear();
    ListDirectoryInto(q.entries, directory + "/*.*", 0);
    const std::int32_t n = q.entries.count();
    for (std::int32_t i = 1; i <= n; ++i) {
        q.entries.get(i);
        std::memcpy(q.listBuffer.FqName, q.entryBuffer.Name, sizeof q.listBuffer.FqName);
        std::memcpy(q.listBuffer.FqShortName, q.entryBuffer.ShortName, sizeof q.listBuffer.FqShortName);
        q.listBuffer.FqDate = q.entryBuffer.Date;
        q.listBuffer.FqTime = q.entryBuffer.Time;
        q.listBuffer.FqSize = q.entryBuffer.Size;
        q.listBuffer.FqAttrib = q.entryBuffer.Attrib;
        q.list.add();
    }
    q.list.sort(1);
}

double TimeListing(const std::string& directory, std::int32_t expected)
{
    return BestOf([&] {
        DirectoryEntryRecord buffer{};
        Queue queue(&buffer, DirectoryEntryDescription, sizeof buffer);
        const double start = MonotonicSeconds();
        ListDirectoryInto(queue, directory + "/*.*", 0);
        const double seconds = MonotonicSeconds() - start;
        return queue.count() == expected ? seconds : -1;
    });
}

double TimeWholePath(const std::string& directory, std::int32_t expected)
{
    return BestOf([&] {
        WindowQueues q;
        const double start = MonotonicSeconds();
        ListAsTheWindowDoes(q, directory);
        const double seconds = MonotonicSeconds() - start;
        return q.list.count() == expected ? seconds : -1;
    });
}

// Sorts a fresh copy of the unsorted list each run; copying is not timed.
double TimeSort(const Queue& unsorted, std::int32_t key)
{
    return BestOf([&] {
        Queue copy = unsorted;
        const double start = MonotonicSeconds();
        copy.sort(key);
        benchmark::DoNotOptimize(copy.records().data());
        return MonotonicSeconds() - start;
    });
}

struct Row {
    std::string what;
    std::size_t files;
    double ours;
    std::string tool;
    double theirs;
    double goal; // highest ratio that meets the goal
};

void PrintRow(const Row& row)
{
    const double ratio = row.theirs > 0 ? row.ours / row.theirs : -1;
    std::printf("%-26s %8zu %11.2f  %-40s %11.2f %7.3f  <= %-5.2f %s\n", row.what.c_str(), row.files,
                row.ours * 1e3, row.tool.c_str(), row.theirs * 1e3, ratio, row.goal,
                ratio >= 0 && ratio <= row.goal ? "met" : "MISSED");
}

void MeasureSize(std::size_t files, unsigned seed)
{
    const BenchDirectory fixture("/tmp", files, seed);
    const std::string dir = fixture.path();
    const auto expected = static_cast<std::int32_t>(files);
    const std::string sortCommand = "LC_ALL=C sort -f -V " + Quoted(fixture.nameFile()) + " >/dev/null";

    PrintRow({"ListDirectoryInto", files, TimeListing(dir, expected), "find -maxdepth 1 -type f -printf",
              BestOfCommand("LC_ALL=C find " + Quoted(dir) + " -maxdepth 1 -type f -printf '%f %s %T@\\n' >/dev/null"),
              1.0});
    PrintRow({"list, copy, sort by name", files, TimeWholePath(dir, expected), "ls -l",
              BestOfCommand("LC_ALL=C ls -l " + Quoted(dir) + " >/dev/null"), 1.0});

    WindowQueues q;
    ListAsTheWindowDoes(q, dir);
    const double bytesPerFile = static_cast<double>(q.entries.heldBytes() + q.list.heldBytes()) / static_cast<double>(files);
    // An unsorted list: the directory's own order.
    Queue unsorted(&q.listBuffer, ListRecordDescription, sizeof(ListRecord));
    for (std::int32_t i = 1; i <= q.entries.count(); ++i) {
        q.list.get(i);
        unsorted.add();
    }
    const double theirSort = BestOfCommand(sortCommand);
    PrintRow({"sort by name", files, TimeSort(unsorted, 1), "sort -f -V", theirSort, 0.5});
    PrintRow({"sort by size", files, TimeSort(unsorted, 5), "sort -f -V", theirSort, 0.2});
    PrintRow({"sort by date", files, TimeSort(unsorted, 3), "sort -f -V", theirSort, 0.2});
    PrintRow({"sort by time", files, TimeSort(unsorted, 4), "sort -f -V", theirSort, 0.2});
    std::printf("%-26s %8zu %11.1f  %-40s %11s %7s  <= %-5s %s\n", "bytes held per file", files, bytesPerFile,
                "(both queues after the listing)", "-", "-", "600", bytesPerFile <= 600 ? "met" : "MISSED");
}

} // namespace
} // namespace dirdock::bench

int main()
{
    std::printf("Best of %d runs; times in milliseconds; ratio = ours / theirs; external tools run with LC_ALL=C.\n",
                dirdock::bench::Runs);
    std::printf("%-26s %8s %11s  %-40s %11s %7s  %-8s %s\n", "measure", "files", "dirdock", "compared with",
                "theirs", "ratio", "goal", "");
    dirdock::bench::MeasureSize(10'000, 1);
    dirdock::bench::MeasureSize(100'000, 2);
    return 0;
}
