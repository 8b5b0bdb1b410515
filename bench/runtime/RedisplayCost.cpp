// Redisplay of a long list against its floor: copying the records' bytes
// and resetting the list's model with a ready copy.

#include <QCoreApplication>

#include <cstring>
#include <random>

#include "BenchProcedure.h"
#include "Samples.h"
#include "Scenarios.h"
#include "runtime/data/RecordDescription.h"
#include "runtime/qt/ListView.h"

namespace dirdock::bench {

namespace {

void FillRows(ProbeWindow& window, const std::vector<std::string>& names)
{
    std::mt19937 random(7);
    window.list.clear();
    window.list.reserve(names.size());
    auto* record = static_cast<ListRecord*>(window.list.buffer());
    for (const std::string& name : names) {
        ClearRecordBytes(record, ListRecordDescription);
        AssignFixed(record->FqName, name);
        AssignFixed(record->FqShortName, name.substr(0, 8));
        record->FqDate = std::uniform_int_distribution<std::int32_t>(60000, 80000)(random);
        record->FqTime = std::uniform_int_distribution<std::int32_t>(1, 8640000)(random);
        record->FqSize = std::uniform_int_distribution<std::int32_t>(0, 50000000)(random);
        window.list.add();
    }
    QueueSort(window.list, 1);
}

ListSnapshot ReadyCopy(const Queue& queue)
{
    ListSnapshot snapshot;
    snapshot.records.assign(queue.records().begin(), queue.records().end());
    snapshot.recordSize = queue.recordSize();
    snapshot.fields.assign(queue.layout().fields().begin(), queue.layout().fields().end());
    return snapshot;
}

struct RedisplayTimings {
    std::vector<double> redisplay, paint, copy, reset;
};

void OneRun(ProbeWindow& window, ListView* view, RedisplayTimings& t)
{
    auto start = BenchClock::now();
    Redisplay(ListControl, 0);
    t.redisplay.push_back(MicrosecondsBetween(start, BenchClock::now()));
    OnGuiThread([&] {
        const auto begin = BenchClock::now();
        view->viewport()->repaint();
        t.paint.push_back(MicrosecondsBetween(begin, BenchClock::now()));
    });

    start = BenchClock::now();
    std::vector<std::byte> bytes(window.list.records().size());
    std::memcpy(bytes.data(), window.list.records().data(), bytes.size());
    t.copy.push_back(MicrosecondsBetween(start, BenchClock::now()));
    if (bytes.empty() || bytes.front() != window.list.records().front())
        std::printf("FAULT: the copied records differ\n");

    ListSnapshot snapshot = ReadyCopy(window.list);
    OnGuiThread([&] {
        const auto begin = BenchClock::now();
        view->setSnapshot(std::move(snapshot));
        t.reset.push_back(MicrosecondsBetween(begin, BenchClock::now()));
    });
    OnGuiThread([&] { view->viewport()->repaint(); });
}

} // namespace

std::vector<ResultRow> MeasureRedisplay(const std::vector<std::string>& names, int runs)
{
    RedisplayTimings t;
    std::int32_t shown = 0;
    RunProcedure([&] {
        ProbeWindow window;
        FillRows(window, names);
        ListView* view = nullptr;
        OnGuiThread([&] { view = dynamic_cast<ListView*>(window.control(ListControl)); });
        if (view == nullptr)
            return;
        for (int i = 0; i < runs; ++i)
            OneRun(window, view, t);
        OnGuiThread([&] { shown = view->rowCount(); });
    });
    if (shown != static_cast<std::int32_t>(names.size()))
        std::printf("FAULT: the list shows %d rows of %zu\n", shown, names.size());
    const double redisplay = Summarise(t.redisplay).median / 1000;
    const double floor = (Summarise(t.copy).median + Summarise(t.reset).median) / 1000;
    const std::string rows = std::to_string(names.size());
    return {
        {"Redisplay of " + rows + " rows, median of " + std::to_string(runs), redisplay, "ms",
         "goal: <= 2 x (memcpy + model reset)", 2 * floor, true},
        {"  memcpy of the records into a new vector, median", Summarise(t.copy).median / 1000, "ms", "", 0, false},
        {"  ListView::setSnapshot of a ready copy, median", Summarise(t.reset).median / 1000, "ms", "", 0, false},
        {"  repaint of the list after it, median", Summarise(t.paint).median / 1000, "ms", "", 0, false},
    };
}

} // namespace dirdock::bench
