#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <type_traits>

#include "runtime/qt/GuiThread.h"

class QMdiSubWindow;

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

    // Runs f on the GUI thread and returns its result. The call goes through
    // the runtime's own mailbox, so that every hand-over between the two
    // threads is one the thread checker can see.
    template <typename F>
    auto onGui(F&& f) -> std::invoke_result_t<F>
    {
        using Result = std::invoke_result_t<F>;
        waitForRuntime();
        if constexpr (std::is_void_v<Result>)
            OnGui(std::forward<F>(f));
        else
            return OnGui(std::forward<F>(f), Result{});
    }

    // Presses the toolbar's button and waits for the directory window it
    // opens; nullptr when none came.
    QMdiSubWindow* openDirectoryWindow();

    // Waits until the condition, checked on the GUI thread, holds.
    bool waitUntil(const std::function<bool()>& condition,
                   std::chrono::milliseconds timeout = DefaultTimeout);

private:
    // The driver starts while the program makes its application object;
    // calls wait until the runtime serves them.
    static void waitForRuntime();
};

} // namespace dirdock::test
