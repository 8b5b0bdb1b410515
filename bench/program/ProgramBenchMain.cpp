// Timings and memory of the whole program on the offscreen platform,
// driven as a person would, against ls on the same directories.

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "ProgramScenarios.h"
#include "bench/data/BenchFiles.h"
#include "bench/data/ExternalTool.h"
#include "bench/runtime/ResultTable.h"
#include "bench/runtime/Samples.h"
#include "tests/gui/program/ProgramDriver.h"

namespace {

using namespace dirdock::bench;

constexpr int ListingRuns = 5;
constexpr int ToolRuns = 5;
constexpr int MemoryWindows = 10;

// The best of several runs of ls -l, in ms; the first one warms the caches.
double BestLs(const BenchDirectory& directory)
{
    double best = -1;
    for (int i = 0; i <= ToolRuns; ++i) {
        const double seconds = TimeShellCommand("ls -l '" + directory.path() + "' >/dev/null");
        if (seconds >= 0 && i > 0)
            best = best < 0 ? seconds : std::min(best, seconds);
    }
    return best * 1000;
}

void AddListingRows(std::vector<ResultRow>& rows, const BenchDirectory& directory,
                    const std::vector<double>& times, double ls)
{
    const Summary summary = Summarise(times);
    const std::string files = std::to_string(directory.names().size());
    rows.push_back({"accept dialog -> " + files + " rows drawn, median of " + std::to_string(summary.count),
                    summary.median, "ms", "ls -l DIR >/dev/null, best of " + std::to_string(ToolRuns), ls, false});
    rows.push_back({"accept dialog -> " + files + " rows drawn, worst", summary.max, "ms",
                    "ls -l DIR >/dev/null, best of " + std::to_string(ToolRuns), ls, false});
}

} // namespace

int main()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::printf("making 10000 and 100000 files under /tmp ...\n");
    std::fflush(stdout);
    const BenchDirectory small("/tmp", 10000, 21);
    const BenchDirectory large("/tmp", 100000, 22);
    const double lsSmall = BestLs(small);
    const double lsLarge = BestLs(large);

    std::vector<ResultRow> memory;
    std::vector<double> smallTimes, largeTimes;
    const int exitCode = dirdock::test::ProgramDriver::run([&](dirdock::test::ProgramDriver& driver) {
        // Memory first, while the process's peak is still its own.
        memory = MeasureWindowMemory(driver, small, MemoryWindows);
        smallTimes = TimeDialogToList(driver, small, ListingRuns);
        largeTimes = TimeDialogToList(driver, large, ListingRuns);
    });

    std::vector<ResultRow> listing;
    AddListingRows(listing, small, smallTimes, lsSmall);
    AddListingRows(listing, large, largeTimes, lsLarge);
    PrintTable("Whole program (offscreen): open-file dialog to list drawn", listing);
    PrintTable("Whole program: memory of " + std::to_string(MemoryWindows) + " listing windows", memory);
    std::printf("\nprogram exit code %d\n", exitCode);
    return exitCode;
}
