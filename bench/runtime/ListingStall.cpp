// The GUI thread's longest stall while a window lists a large directory the
// way the directory window does it, on its procedure's thread.

#include <QAbstractScrollArea>
#include <QEventLoop>
#include <QWidget>

#include <memory>

#include "BenchProcedure.h"
#include "PaintCounter.h"
#include "Samples.h"
#include "Scenarios.h"
#include "StallMeter.h"
#include "runtime/data/RecordDescription.h"

namespace dirdock::bench {

namespace {

constexpr double StallGoalMs = 50;

struct StallRun {
    double stallMs = 0;
    double listingMs = 0;
    std::int32_t rows = 0;
    std::size_t heldBytes = 0; // what the list queue holds, slack included
    bool painted = false;
};

void CopyEntries(Queue& entries, ProbeWindow& window)
{
    const auto& entry = *static_cast<const DirectoryEntryRecord*>(entries.buffer());
    auto& row = window.listBuffer;
    const std::int32_t count = QueueCount(entries);
    for (std::int32_t i = 1; i <= count; ++i) {
        QueueGet(entries, i);
        AssignFixed(row.FqName, {entry.Name, sizeof entry.Name});
        AssignFixed(row.FqShortName, {entry.ShortName, sizeof entry.ShortName});
        row.FqDate = entry.Date;
        row.FqTime = entry.Time;
        row.FqSize = entry.Size;
        row.FqAttrib = entry.Attrib;
        QueueAdd(window.list);
    }
}

StallRun OneListing(ProbeWindow& window, const std::string& mask, StallMeter& meter, const PaintCounter& paints)
{
    DirectoryEntryRecord entryBuffer{};
    Queue entries(&entryBuffer, DirectoryEntryDescription, sizeof(DirectoryEntryRecord));
    StallRun run;
    OnGuiThread([&] { meter.start(); });
    const int paintsBefore = paints.count();
    const auto start = BenchClock::now();
    QueueFree(window.list);
    ListDirectory(entries, mask, 0);
    CopyEntries(entries, window);
    QueueSort(window.list, 1);
    Redisplay(0, 0);
    run.listingMs = MicrosecondsBetween(start, BenchClock::now()) / 1000;
    run.painted = paints.waitBeyond(paintsBefore, std::chrono::seconds(20));
    OnGuiThread([&] { run.stallMs = meter.stop(); });
    run.rows = QueueCount(window.list);
    run.heldBytes = window.list.heldBytes();
    return run;
}

double IdleStall(StallMeter& meter)
{
    QEventLoop loop;
    meter.start();
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    loop.exec();
    return meter.stop();
}

} // namespace

std::vector<ResultRow> MeasureListingStall(const std::string& directory, int runs)
{
    StallMeter meter;
    const double idle = IdleStall(meter);
    std::vector<StallRun> results;
    RunProcedure([&] {
        ProbeWindow window;
        // The counter lives on the GUI thread, with the viewport it watches.
        std::unique_ptr<PaintCounter> paints;
        OnGuiThread([&] {
            paints = std::make_unique<PaintCounter>();
            if (auto* view = dynamic_cast<QAbstractScrollArea*>(window.control(ListControl)))
                view->viewport()->installEventFilter(paints.get());
        });
        for (int i = 0; i < runs; ++i)
            results.push_back(OneListing(window, directory + "/*.*", meter, *paints));
        OnGuiThread([&] { paints.reset(); });
    });
    std::vector<double> stalls, listings;
    for (const StallRun& run : results) {
        stalls.push_back(run.stallMs);
        listings.push_back(run.listingMs);
        if (!run.painted)
            std::printf("FAULT: the list was not painted after its redisplay\n");
        std::printf("  listing run: %d rows, %.1f ms on the procedure thread, longest GUI stall %.2f ms,"
                    " list queue holds %.1f MB for %.1f MB of records\n",
                    run.rows, run.listingMs, run.stallMs, static_cast<double>(run.heldBytes) / 1e6,
                    static_cast<double>(run.rows) * sizeof(ListRecord) / 1e6);
    }
    const Summary stall = Summarise(stalls);
    return {
        {"longest GUI stall while listing, worst of " + std::to_string(runs) + " runs", stall.max, "ms",
         "goal: < 50 ms", StallGoalMs, true},
        {"longest GUI stall while listing, median of runs", stall.median, "ms", "goal: < 50 ms", StallGoalMs, true},
        {"longest gap of the 5 ms timer, idle for 1 s", idle, "ms", "", 0, false},
        {"listing + copy + sort + Redisplay on the procedure thread, median", Summarise(listings).median, "ms", "",
         0, false},
    };
}

} // namespace dirdock::bench
