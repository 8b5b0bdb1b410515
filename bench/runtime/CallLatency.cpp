// One cross-thread runtime call against Qt's own blocking cross-thread call.

#include <QLineEdit>

#include "BenchProcedure.h"
#include "Samples.h"
#include "Scenarios.h"

namespace dirdock::bench {

namespace {

std::vector<double> TimeGetProperty(ProbeWindow& window, int calls, std::size_t& wrong)
{
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(calls));
    for (int i = 0; i < calls; ++i) {
        const auto start = BenchClock::now();
        const std::string text = GetProperty(window.ref(), EntryControl, PropText);
        samples.push_back(MicrosecondsBetween(start, BenchClock::now()));
        if (text != "C:/bench/path")
            ++wrong;
    }
    return samples;
}

// The same read through a plain blocking queued invocation.
std::vector<double> TimeQtInvoke(ProbeWindow& window, int calls)
{
    QLineEdit* entry = nullptr;
    OnGuiThread([&] { entry = qobject_cast<QLineEdit*>(window.control(EntryControl)); });
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(calls));
    for (int i = 0; i < calls; ++i) {
        std::string text;
        const auto start = BenchClock::now();
        OnGuiThread([&] { text = entry->text().toStdString(); });
        samples.push_back(MicrosecondsBetween(start, BenchClock::now()));
    }
    return samples;
}

} // namespace

std::vector<ResultRow> MeasureCallLatency(int calls)
{
    Summary runtime;
    Summary qt;
    std::size_t wrong = 0;
    RunProcedure([&] {
        ProbeWindow window;
        SetProperty(window.ref(), EntryControl, PropText, "C:/bench/path");
        // Unmeasured calls first, so that neither side pays for first use.
        TimeGetProperty(window, 1000, wrong);
        TimeQtInvoke(window, 1000);
        // Interleaved halves, so that both see the same machine load.
        std::vector<double> own = TimeGetProperty(window, calls / 2, wrong);
        std::vector<double> plain = TimeQtInvoke(window, calls / 2);
        const std::vector<double> own2 = TimeGetProperty(window, calls - calls / 2, wrong);
        const std::vector<double> plain2 = TimeQtInvoke(window, calls - calls / 2);
        own.insert(own.end(), own2.begin(), own2.end());
        plain.insert(plain.end(), plain2.begin(), plain2.end());
        runtime = Summarise(own);
        qt = Summarise(plain);
    });
    if (wrong != 0)
        std::printf("FAULT: %zu GetProperty calls returned the wrong text\n", wrong);
    const std::string n = std::to_string(runtime.count);
    return {
        {"GetProperty(PropText) from a procedure thread, median (" + n + ")", runtime.median, "us",
         "Qt BlockingQueuedConnection read, median", qt.median, false},
        {"GetProperty(PropText) from a procedure thread, p99", runtime.p99, "us",
         "Qt BlockingQueuedConnection read, p99", qt.p99, false},
    };
}

} // namespace dirdock::bench
