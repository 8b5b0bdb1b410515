#include "WindowRegistry.h"

#include <QVariant>

#include <map>
#include <mutex>

namespace dirdock {

namespace {

struct Registry {
    std::mutex mutex;
    std::map<WindowRef, std::shared_ptr<WindowState>> windows;
    WindowRef lastRef = 0;
    std::weak_ptr<WindowState> frame;
};

Registry& registry()
{
    static Registry r;
    return r;
}

thread_local std::shared_ptr<WindowState> currentWindow;

constexpr const char* RefProperty = "dirdockWindowRef";
constexpr const char* ControlProperty = "dirdockControl";

} // namespace

std::shared_ptr<WindowState> RegisterWindow(const WindowDefinition* definition)
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto window = std::make_shared<WindowState>(++r.lastRef, definition);
    r.windows.emplace(window->id, window);
    return window;
}

void UnregisterWindow(WindowRef ref)
{
    std::shared_ptr<WindowState> window;
    {
        Registry& r = registry();
        std::lock_guard lock(r.mutex);
        auto it = r.windows.find(ref);
        if (it == r.windows.end())
            return;
        window = it->second;
        r.windows.erase(it);
    }
    window->released = true;
    if (currentWindow == window)
        currentWindow.reset();
}

std::shared_ptr<WindowState> FindWindow(WindowRef ref)
{
    if (ref == 0)
        return CurrentWindow();
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.windows.find(ref);
    return it == r.windows.end() ? nullptr : it->second;
}

std::vector<std::shared_ptr<WindowState>> AllWindows()
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    std::vector<std::shared_ptr<WindowState>> all;
    for (const auto& [ref, window] : r.windows)
        all.push_back(window);
    return all;
}

void SetCurrentWindow(std::shared_ptr<WindowState> window)
{
    currentWindow = std::move(window);
}

std::shared_ptr<WindowState> CurrentWindow()
{
    if (currentWindow && currentWindow->released)
        currentWindow.reset();
    return currentWindow;
}

void SetFrameWindow(std::shared_ptr<WindowState> frame)
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.frame = frame;
}

std::shared_ptr<WindowState> FrameWindowState()
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    std::shared_ptr<WindowState> frame = r.frame.lock();
    return frame && !frame->released ? frame : nullptr;
}

void MarkWindowWidget(QWidget* w, WindowRef ref)
{
    w->setProperty(RefProperty, ref);
}

void MarkControlWidget(QWidget* w, int control)
{
    w->setProperty(ControlProperty, control);
}

std::shared_ptr<WindowState> WindowOfWidget(const QWidget* w)
{
    for (; w != nullptr; w = w->parentWidget()) {
        const QVariant ref = w->property(RefProperty);
        if (ref.isValid())
            return FindWindow(ref.toInt());
    }
    return nullptr;
}

int ControlOfWidget(const QWidget* w)
{
    for (; w != nullptr; w = w->parentWidget()) {
        if (w->property(RefProperty).isValid())
            return 0;
        const QVariant control = w->property(ControlProperty);
        if (control.isValid())
            return control.toInt();
    }
    return 0;
}

} // namespace dirdock
