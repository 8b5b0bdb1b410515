// Focus, redrawing from bound variables, sound, key codes and bind scopes.

#include <QApplication>
#include <QLineEdit>

#include <atomic>

#include "core/Runtime.h"
#include "runtime/qt/GuiThread.h"
#include "runtime/qt/ListView.h"
#include "runtime/qt/WindowRegistry.h"

namespace dirdock {

namespace {

std::atomic<std::int32_t> lastKeyCode{0};
thread_local std::int32_t bindScopeDepth = 0;

QWidget* ControlWidget(WindowState& window, int control)
{
    if (control < 1 || control > static_cast<int>(window.gui.controls.size()))
        return nullptr;
    return window.gui.controls[control - 1];
}

ListSnapshot SnapshotOf(const Queue& queue)
{
    ListSnapshot snapshot;
    const auto records = queue.records();
    snapshot.records.assign(records.begin(), records.end());
    snapshot.recordSize = queue.recordSize();
    const auto fields = queue.layout().fields();
    snapshot.fields.assign(fields.begin(), fields.end());
    return snapshot;
}

// The copy is made here, on the procedure's thread that owns the variable;
// only the copy crosses to the GUI thread.
void RedisplayBinding(WindowState& window, const Binding& binding)
{
    if (binding.text != nullptr) {
        const QString text = QString::fromUtf8(binding.text->trimmed().data(),
                                               static_cast<qsizetype>(binding.text->trimmed().size()));
        OnGui([&] {
            // Text typed since the procedure took its event is newer than the
            // variable: redrawing must not throw it away.
            auto* entry = dynamic_cast<QLineEdit*>(ControlWidget(window, binding.control));
            if (entry != nullptr && !window.hasEntryText(binding.control))
                entry->setText(text);
        });
    } else if (binding.queue != nullptr) {
        ListSnapshot snapshot = SnapshotOf(*binding.queue);
        OnGui([&] {
            if (auto* list = dynamic_cast<ListView*>(ControlWidget(window, binding.control)))
                list->setSnapshot(std::move(snapshot));
        });
    }
}

} // namespace

void SelectControl(std::int32_t control, std::int32_t, std::int32_t)
{
    std::shared_ptr<WindowState> window = CurrentWindow();
    if (!window)
        return;
    OnGui([&] {
        if (window->closed())
            return;
        if (QWidget* widget = ControlWidget(*window, control))
            widget->setFocus(Qt::OtherFocusReason);
    });
}

void Redisplay(std::int32_t control, std::int32_t)
{
    std::shared_ptr<WindowState> window = CurrentWindow();
    if (!window || window->closed())
        return;
    for (const Binding& binding : window->owner.bindings) {
        if (control == 0 || binding.control == control)
            RedisplayBinding(*window, binding);
    }
}

void Beep(std::int32_t, std::int32_t)
{
    OnGui([] { QApplication::beep(); });
}

std::int32_t LastKeyCode()
{
    return lastKeyCode.load();
}

void SetLastKeyCode(std::int32_t code)
{
    lastKeyCode.store(code);
}

void PushBindScope(std::int32_t)
{
    ++bindScopeDepth;
}

void PopBindScope()
{
    if (bindScopeDepth > 0)
        --bindScopeDepth;
}

} // namespace dirdock
