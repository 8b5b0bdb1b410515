#pragma once

#include <thread>
#include <type_traits>
#include <utility>

#include "GuiMailbox.h"

namespace dirdock {

// The thread that made the application: every widget lives there.
void SetGuiThread(std::thread::id id);
bool IsGuiThread();
// Whether the runtime is started and not yet closed down.
bool RuntimeRunning();

// Runs f on the GUI thread and returns its result: directly when already
// there, else through the mailbox while the caller waits. When the runtime
// is not running, or is closing down, gives neutral without running f.
template <class F, class R = std::invoke_result_t<F>>
    requires(!std::is_void_v<R>)
R OnGui(F&& f, R neutral)
{
    if (!RuntimeRunning())
        return neutral;
    if (IsGuiThread())
        return f();
    R result = neutral;
    if (!Mailbox().call([&] { result = f(); }))
        return neutral;
    return result;
}

template <class F>
    requires std::is_void_v<std::invoke_result_t<F>>
void OnGui(F&& f)
{
    if (!RuntimeRunning())
        return;
    if (IsGuiThread()) {
        f();
        return;
    }
    Mailbox().call([&] { f(); });
}

} // namespace dirdock
