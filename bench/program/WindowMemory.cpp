// The memory that directory windows and their listings cost the process.

#include <QMdiSubWindow>
#include <QTreeView>

#include <malloc.h>

#include <cstdio>

#include "PersonSteps.h"
#include "ProcessMemory.h"
#include "ProgramScenarios.h"
#include "bench/data/BenchFiles.h"
#include "runtime/data/Records.h"
#include "tests/gui/program/ProgramDriver.h"
#include "tests/gui/program/ProgramWidgets.h"

namespace dirdock::bench {

namespace {

// What every listed file must cost at least: its entry record, its list
// record and the list's copy of that record that the GUI thread shows.
constexpr double RecordBytesPerFile = sizeof(DirectoryEntryRecord) + 2 * sizeof(ListRecord);

bool ListIn(ProgramDriver& driver, QMdiSubWindow* window, const BenchDirectory& directory)
{
    if (!PressBrowse(driver, window))
        return false;
    TypeInDialog(driver, QString::fromStdString(directory.path() + "/" + directory.names().front()));
    AcceptDialog(driver, [] {});
    return WaitDialogGone(driver);
}

// Windows may cover one another wholly, so what counts is the rows each
// list holds, not a paint.
int WindowsListing(const std::vector<QMdiSubWindow*>& windows, int rows)
{
    int listing = 0;
    for (QMdiSubWindow* window : windows)
        listing += window != nullptr && test::List(window)->model()->rowCount() == rows ? 1 : 0;
    return listing;
}

void PrintMemory(const char* when, const ProcessMemory& memory)
{
    std::printf("  %-40s VmRSS %8ld KiB   VmHWM %8ld KiB\n", when, memory.residentKiB, memory.peakKiB);
}

} // namespace

std::vector<ResultRow> MeasureWindowMemory(ProgramDriver& driver, const BenchDirectory& directory, int windows)
{
    const ProcessMemory before = ReadProcessMemory();
    std::vector<QMdiSubWindow*> listed;
    for (int i = 0; i < windows; ++i)
        listed.push_back(driver.openDirectoryWindow());
    const ProcessMemory empty = ReadProcessMemory();
    for (QMdiSubWindow* window : listed) {
        if (window == nullptr || !ListIn(driver, window, directory))
            std::printf("FAULT: a directory window did not take its path from the dialog\n");
    }
    const int rows = static_cast<int>(directory.names().size());
    driver.waitUntil([&] { return WindowsListing(listed, rows) == windows; }, std::chrono::seconds(120));
    const ProcessMemory after = ReadProcessMemory();
    const int listing = driver.onGui([&] { return WindowsListing(listed, rows); });
    if (listing != windows)
        std::printf("FAULT: %d of %d windows list their %d files\n", listing, windows, rows);
    // What the allocator keeps of freed memory shows as the difference.
    malloc_trim(0);
    const ProcessMemory trimmed = ReadProcessMemory();
    PrintMemory("frame and toolbar only", before);
    PrintMemory("with the empty directory windows", empty);
    PrintMemory("with every window listing", after);
    PrintMemory("the same after malloc_trim(0)", trimmed);
    for (QMdiSubWindow* window : listed)
        CloseDirectoryWindow(driver, window);

    const double files = static_cast<double>(windows) * static_cast<double>(directory.names().size());
    const double perWindowKiB = static_cast<double>(after.residentKiB - before.residentKiB) / windows;
    const double emptyWindowKiB = static_cast<double>(empty.residentKiB - before.residentKiB) / windows;
    const double perFileBytes = static_cast<double>(after.residentKiB - empty.residentKiB) * 1024 / files;
    const std::string count = std::to_string(windows);
    return {
        {"VmRSS growth, " + count + " windows listing " + std::to_string(directory.names().size()) + " files",
         static_cast<double>(after.residentKiB - before.residentKiB) / 1024, "MB",
         "records alone (" + std::to_string(static_cast<int>(RecordBytesPerFile)) + " B a file)",
         RecordBytesPerFile * files / (1024 * 1024), false},
        {"VmHWM growth, same", static_cast<double>(after.peakKiB - before.peakKiB) / 1024, "MB",
         "records alone", RecordBytesPerFile * files / (1024 * 1024), false},
        {"VmRSS per listing window", perWindowKiB / 1024, "MB", "", 0, false},
        {"VmRSS per empty window", emptyWindowKiB / 1024, "MB", "", 0, false},
        {"VmRSS per listed file", perFileBytes, "B", "records alone", RecordBytesPerFile, false},
        {"VmRSS per listed file after malloc_trim(0)",
         static_cast<double>(trimmed.residentKiB - empty.residentKiB) * 1024 / files, "B", "records alone",
         RecordBytesPerFile, false},
    };
}

} // namespace dirdock::bench
