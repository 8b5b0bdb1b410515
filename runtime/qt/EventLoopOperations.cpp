// The event loop of the calling thread's current window.

#include "core/Runtime.h"
#include "runtime/qt/GuiThread.h"
#include "runtime/qt/WindowRegistry.h"

namespace dirdock {

namespace {

// Text typed into an entry reaches its variable on the procedure's own
// thread, before the procedure sees the event.
void WriteTypedTexts(WindowState& window)
{
    for (const auto& [control, text] : window.takeEntryTexts()) {
        for (const Binding& binding : window.owner.bindings) {
            if (binding.control == control && binding.text != nullptr)
                binding.text->assign(text);
        }
    }
}

// Takes the next event into the pass; false once the window is closed.
bool TakeNext(WindowState& window)
{
    const std::optional<QueuedEvent> event = window.take();
    window.owner.current = event.value_or(QueuedEvent{});
    if (event)
        WriteTypedTexts(window);
    return event.has_value();
}

bool Consulted(std::int32_t event)
{
    return event == EvSizing || event == EvRestoring;
}

void FinishPass(WindowState& window, std::int32_t cycleFlag)
{
    const QueuedEvent current = window.owner.current;
    window.answer(current.consultId, cycleFlag);
    if (Consulted(current.event))
        OnGui([&] {
            if (window.gui.passEnded && window.gui.window != nullptr)
                window.gui.passEnded(current.event, cycleFlag);
        });
    window.owner.current = QueuedEvent{};
}

} // namespace

void BeginEventLoop()
{
    if (std::shared_ptr<WindowState> window = CurrentWindow())
        TakeNext(*window);
}

std::int32_t CurrentEvent()
{
    std::shared_ptr<WindowState> window = CurrentWindow();
    return window ? window->owner.current.event : 0;
}

std::int32_t CurrentControl()
{
    std::shared_ptr<WindowState> window = CurrentWindow();
    return window ? window->owner.current.control : 0;
}

bool EndEventPass(std::int32_t cycleFlag)
{
    std::shared_ptr<WindowState> window = CurrentWindow();
    if (!window)
        return true;
    FinishPass(*window, cycleFlag);
    if (window->closed())
        return true;
    return !TakeNext(*window);
}

void FinishEventLoops(std::int32_t)
{
    if (std::shared_ptr<WindowState> window = CurrentWindow())
        window->owner.current = QueuedEvent{};
}

std::int32_t PointerX()
{
    std::shared_ptr<WindowState> window = CurrentWindow();
    return window ? window->owner.current.pointerX : 0;
}

} // namespace dirdock
