// Timings of the Qt runtime on the offscreen platform: cross-thread calls,
// event delivery, redisplay of a long list and the GUI thread's stalls
// while a window lists a large directory.

#include <QByteArray>
#include <QtGlobal>

#include <cstdio>

#include "ResultTable.h"
#include "Scenarios.h"
#include "bench/data/BenchFiles.h"
#include "core/ModuleInitialiser.h"
#include "core/Runtime.h"

namespace {

constexpr int Calls = 20000;
constexpr int Events = 20000;
constexpr std::size_t ListRows = 100000;
constexpr int RedisplayRuns = 15;
constexpr int ListingRuns = 5;

} // namespace

int main()
{
    using namespace dirdock;
    using namespace dirdock::bench;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (StartRuntime(ProgramDescriptor, RuntimeVersion) == 0)
        return 1;
    const WindowRef frame = PrepareFrameWindow("Kestrova$KSTRV001", "P1$APPFRAME");
    OpenWindow(frame);
    int status = 0;
    {
        std::printf("making %zu files under /tmp ...\n", ListRows);
        std::fflush(stdout);
        const BenchDirectory directory("/tmp", ListRows, 11);
        std::vector<ResultRow> rows = MeasureCallLatency(Calls);
        for (ResultRow& row : MeasureEventLatency(Events))
            rows.push_back(std::move(row));
        for (ResultRow& row : MeasureRedisplay(directory.names(), RedisplayRuns))
            rows.push_back(std::move(row));
        for (ResultRow& row : MeasureListingStall(directory.path(), ListingRuns))
            rows.push_back(std::move(row));
        PrintTable("Qt runtime (offscreen)", rows);
        for (const ResultRow& row : rows)
            status |= row.isGoal && row.measured > row.reference ? 2 : 0;
    }
    CloseWindow(frame);
    ReleaseWindow(frame);
    CloseDownRuntime();
    return status;
}
