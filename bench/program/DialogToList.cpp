// From the press of Return in the open-file dialog to the list holding
// every file and painted, as a person waits for it.

#include <QMdiSubWindow>
#include <QTreeView>

#include <cstdio>

#include "ListDrawnWatch.h"
#include "PersonSteps.h"
#include "ProgramScenarios.h"
#include "bench/data/BenchFiles.h"
#include "tests/gui/program/ProgramDriver.h"
#include "tests/gui/program/ProgramWidgets.h"

namespace dirdock::bench {

namespace {

constexpr std::chrono::seconds ListTimeout{120};

QString FirstFile(const BenchDirectory& directory)
{
    return QString::fromStdString(directory.path() + "/" + directory.names().front());
}

// One browse of the window; negative when the list was not drawn in time.
double OneRun(ProgramDriver& driver, QMdiSubWindow* window, ListDrawnWatch* watch, const QString& file)
{
    if (!PressBrowse(driver, window)) {
        std::printf("FAULT: the open-file dialog did not appear\n");
        return -1;
    }
    TypeInDialog(driver, file);
    BenchClock::time_point accepted;
    AcceptDialog(driver, [&] {
        watch->arm();
        accepted = BenchClock::now();
    });
    if (!driver.waitUntil([watch] { return watch->drawn().has_value(); }, ListTimeout)) {
        const bool dialogOpen = driver.onGui([] { return test::OpenDialog() != nullptr; });
        const int shown = driver.onGui([window] { return test::List(window)->model()->rowCount(); });
        std::printf("FAULT: not drawn within %lld s: dialog %s, %d rows in the list\n",
                    static_cast<long long>(ListTimeout.count()), dialogOpen ? "still open" : "closed", shown);
        return -1;
    }
    std::printf("  %d files: accepted -> model reset %.1f ms, reset -> painted %.1f ms\n",
                driver.onGui([window] { return test::List(window)->model()->rowCount(); }),
                MicrosecondsBetween(accepted, watch->reset()) / 1000,
                MicrosecondsBetween(watch->reset(), *watch->drawn()) / 1000);
    return MicrosecondsBetween(accepted, *watch->drawn()) / 1000;
}

} // namespace

// A fresh window for every run: the window redraws its old list when the
// dialog closes, before it lists again, and that must not count as drawn.
std::vector<double> TimeDialogToList(ProgramDriver& driver, const BenchDirectory& directory, int runs)
{
    std::vector<double> times;
    const int rows = static_cast<int>(directory.names().size());
    for (int i = 0; i < runs; ++i) {
        QMdiSubWindow* window = driver.openDirectoryWindow();
        if (window == nullptr)
            break;
        ListDrawnWatch* watch = driver.onGui([window, rows] { return new ListDrawnWatch(test::List(window), rows); });
        const double ms = OneRun(driver, window, watch, FirstFile(directory));
        CloseDirectoryWindow(driver, window);
        if (ms < 0)
            break;
        std::printf("  %d files: accepted -> drawn %.1f ms\n", rows, ms);
        std::fflush(stdout);
        times.push_back(ms);
    }
    return times;
}

} // namespace dirdock::bench
