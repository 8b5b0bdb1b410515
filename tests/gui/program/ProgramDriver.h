#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QPoint>
#include <QWidget>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <type_traits>

namespace dirdock::test {

// Drives the whole program like a person: the program runs on the main
// thread, the driver on a thread of its own, and every look at or touch of a
// widget is carried over to the GUI thread. Waiting is always on a condition
// checked on the GUI thread, with a deadline.
class ProgramDriver {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::seconds DefaultTimeout{20};

    // Runs the program on the calling (main) thread and the script on a
    // driver thread; returns the program's exit code.
    static int run(const std::function<void(ProgramDriver&)>& script);

    // Runs f on the GUI thread and returns its result.
    template <typename F>
    auto onGui(F&& f) -> std::invoke_result_t<F>
    {
        using Result = std::invoke_result_t<F>;
        if constexpr (std::is_void_v<Result>) {
            QMetaObject::invokeMethod(qApp, std::forward<F>(f), Qt::BlockingQueuedConnection);
        } else {
            std::optional<Result> result;
            QMetaObject::invokeMethod(
                qApp, [&] { result.emplace(f()); }, Qt::BlockingQueuedConnection);
            return std::move(*result);
        }
    }

    // Waits until the condition, checked on the GUI thread, holds.
    bool waitUntil(const std::function<bool()>& condition,
                   std::chrono::milliseconds timeout = DefaultTimeout);
};

} // namespace dirdock::test
