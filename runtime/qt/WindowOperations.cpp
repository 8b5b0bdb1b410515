// Preparing, opening, closing and releasing windows.

#include <QWidget>

#include "core/Runtime.h"
#include "runtime/qt/ChildWindow.h"
#include "runtime/qt/GuiThread.h"
#include "runtime/qt/WindowFactory.h"
#include "runtime/qt/WindowRegistry.h"

namespace dirdock {

namespace {

// Ties the procedure's variables to the controls that expect them, in
// definition order; a variable of the wrong kind is not tied.
std::vector<Binding> BindVariables(const WindowDefinition& definition, std::initializer_list<BoundVariable> variables)
{
    std::vector<Binding> bindings;
    auto next = variables.begin();
    for (std::size_t i = 0; i < definition.controls.size() && next != variables.end(); ++i) {
        const VariableKind kind = definition.controls[i].variable;
        if (kind == VariableKind::None)
            continue;
        const int control = static_cast<int>(i + 1);
        if (kind == VariableKind::Text255 && next->text != nullptr)
            bindings.push_back(Binding{control, next->text, nullptr});
        else if (kind == VariableKind::Queue && next->queue != nullptr)
            bindings.push_back(Binding{control, nullptr, next->queue});
        ++next;
    }
    return bindings;
}

// A window that cannot be built is closed from the start: every operation
// on it does nothing and its loop ends at once.
WindowRef Prepare(std::string_view key, std::string_view label, WindowKind kind,
                  std::initializer_list<BoundVariable> variables)
{
    const WindowDefinition* definition = FindWindowDefinition(key, label);
    if (definition != nullptr && definition->kind != kind)
        definition = nullptr;
    std::shared_ptr<WindowState> window = RegisterWindow(definition);
    SetCurrentWindow(window);
    if (definition == nullptr) {
        window->close();
        return window->id;
    }
    window->owner.bindings = BindVariables(*definition, variables);
    const bool built = OnGui(
        [&] {
            if (kind == WindowKind::Frame) {
                if (!BuildFrame(window))
                    return false;
                SetFrameWindow(window);
                return true;
            }
            return BuildChild(window);
        },
        false);
    if (!built)
        window->close();
    return window->id;
}

} // namespace

WindowRef PrepareFrameWindow(std::string_view key, std::string_view label)
{
    return Prepare(key, label, WindowKind::Frame, {});
}

WindowRef PrepareChildWindow(std::string_view key, std::string_view label,
                             std::initializer_list<BoundVariable> variables)
{
    return Prepare(key, label, WindowKind::Child, variables);
}

void OpenWindow(WindowRef ref)
{
    std::shared_ptr<WindowState> window = FindWindow(ref);
    if (!window)
        return;
    OnGui([&] {
        QWidget* widget = window->gui.window;
        if (widget == nullptr || window->closed())
            return;
        if (!window->gui.opened) {
            window->gui.opened = true;
            window->post(QueuedEvent{EvOpened, 0, 0, 0});
        }
        widget->show();
        widget->raise();
    });
}

void CloseWindow(WindowRef ref)
{
    std::shared_ptr<WindowState> window = FindWindow(ref);
    if (!window)
        return;
    OnGui([&] { CloseWindowWidgets(*window); });
}

void ReleaseWindow(WindowRef ref)
{
    std::shared_ptr<WindowState> window = FindWindow(ref);
    if (!window)
        return;
    OnGui([&] {
        CloseWindowWidgets(*window);
        if (window->gui.window != nullptr)
            window->gui.window->deleteLater();
        window->gui.window = nullptr;
        window->gui.content = nullptr;
        window->gui.controls.clear();
    });
    UnregisterWindow(window->id);
}

} // namespace dirdock
