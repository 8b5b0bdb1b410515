// One event from the GUI thread to a waiting procedure thread, against a
// bare condition-variable hand-off between the same two threads.

#include <QAbstractButton>

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "BenchProcedure.h"
#include "Samples.h"
#include "Scenarios.h"
#include "runtime/qt/WindowRegistry.h"
#include "runtime/qt/WindowState.h"

namespace dirdock::bench {

namespace {

enum class Source { Click, Post };

struct EventTimings {
    std::vector<double> click;
    std::vector<double> post;
    std::size_t stray = 0; // other events seen on the way
};

// The GUI thread raises the event at a time it notes; the procedure, already
// waiting in EndEventPass, notes when it sees it in CurrentEvent.
double OneEvent(ProbeWindow& window, Source source, std::size_t& stray)
{
    std::atomic<BenchClock::time_point> raised{};
    QMetaObject::invokeMethod(qApp, [&window, &raised, source] {
        raised = BenchClock::now();
        if (source == Source::Click) {
            qobject_cast<QAbstractButton*>(window.control(BrowseControl))->click();
        } else if (std::shared_ptr<WindowState> state = FindWindow(window.ref())) {
            state->post(QueuedEvent{EvAccepted, BrowseControl, 0, 0});
        }
    }, Qt::QueuedConnection);
    for (;;) {
        if (EndEventPass(0))
            return -1;
        if (CurrentEvent() == EvAccepted && CurrentControl() == BrowseControl)
            return MicrosecondsBetween(raised.load(), BenchClock::now());
        ++stray;
    }
}

std::vector<double> TimeHandOffs(int count)
{
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<double> samples;
    for (int i = 0; i < count; ++i) {
        bool ready = false;
        BenchClock::time_point raised;
        // Notified after unlocking, as the runtime's queue does.
        QMetaObject::invokeMethod(qApp, [&] {
            {
                std::lock_guard lock(mutex);
                raised = BenchClock::now();
                ready = true;
            }
            changed.notify_all();
        }, Qt::QueuedConnection);
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return ready; });
        samples.push_back(MicrosecondsBetween(raised, BenchClock::now()));
    }
    return samples;
}

} // namespace

std::vector<ResultRow> MeasureEventLatency(int events)
{
    EventTimings timings;
    std::vector<double> bare;
    RunProcedure([&] {
        ProbeWindow window;
        for (int i = 0; i < events; ++i) {
            const Source source = i % 2 == 0 ? Source::Click : Source::Post;
            const double latency = OneEvent(window, source, timings.stray);
            if (latency >= 0)
                (source == Source::Click ? timings.click : timings.post).push_back(latency);
        }
        bare = TimeHandOffs(events / 2);
    });
    if (timings.stray != 0)
        std::printf("note: %zu other events arrived between the measured ones\n", timings.stray);
    const Summary click = Summarise(timings.click);
    const Summary post = Summarise(timings.post);
    const Summary handOff = Summarise(bare);
    const std::string n = std::to_string(click.count);
    return {
        {"button click -> EvAccepted in CurrentEvent, median (" + n + ")", click.median, "us",
         "bare condition-variable hand-off, median", handOff.median, false},
        {"button click -> EvAccepted in CurrentEvent, p99", click.p99, "us",
         "bare condition-variable hand-off, p99", handOff.p99, false},
        {"queued post -> CurrentEvent, median (" + std::to_string(post.count) + ")", post.median, "us",
         "bare condition-variable hand-off, median", handOff.median, false},
        {"queued post -> CurrentEvent, p99", post.p99, "us", "bare condition-variable hand-off, p99",
         handOff.p99, false},
    };
}

} // namespace dirdock::bench
