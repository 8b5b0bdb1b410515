#include "WindowGeometry.h"

#include <algorithm>

#include "runtime/qt/ChildWindow.h"
#include "runtime/qt/FrameWindow.h"
#include "runtime/qt/WindowContent.h"
#include "runtime/qt/WindowState.h"

namespace dirdock {

namespace {

bool Horizontal(Property property)
{
    return property == PropX || property == PropWidth;
}

QWidget* Target(WindowState& window, int control)
{
    if (control == 0)
        return window.gui.window;
    if (control < 1 || control > static_cast<int>(window.gui.controls.size()))
        return nullptr;
    return window.gui.controls[control - 1];
}

QSize SizeOf(QWidget* widget, int control)
{
    if (auto* child = dynamic_cast<ChildWindow*>(widget); child != nullptr && control == 0)
        return child->clientSize();
    return widget->size();
}

int PixelsOf(QWidget* widget, int control, Property property)
{
    switch (property) {
    case PropX:
        return widget->x();
    case PropY:
        return widget->y();
    case PropWidth:
        return SizeOf(widget, control).width();
    default:
        return SizeOf(widget, control).height();
    }
}

void Resize(WindowState& window, QWidget* widget, int control, QSize size)
{
    if (control != 0) {
        widget->resize(size);
    } else if (auto* child = dynamic_cast<ChildWindow*>(widget)) {
        if (auto* content = dynamic_cast<WindowContent*>(window.gui.content.data()))
            content->acceptSize(size);
        child->resizeClient(size);
    } else if (auto* frame = dynamic_cast<FrameWindow*>(widget)) {
        frame->resizeByRuntime(size);
    }
}

void Apply(WindowState& window, QWidget* widget, int control, Property property, int pixels)
{
    QSize size = SizeOf(widget, control);
    switch (property) {
    case PropX:
        widget->move(pixels, widget->y());
        return;
    case PropY:
        widget->move(widget->x(), pixels);
        return;
    case PropWidth:
        size.setWidth(std::max(pixels, 0));
        break;
    default:
        size.setHeight(std::max(pixels, 0));
        break;
    }
    Resize(window, widget, control, size);
}

} // namespace

bool IsGeometry(Property property)
{
    return property == PropX || property == PropY || property == PropWidth || property == PropHeight;
}

std::optional<int> ReadUnits(WindowState& window, int control, Property property)
{
    QWidget* widget = Target(window, control);
    if (widget == nullptr)
        return std::nullopt;
    const int pixels = PixelsOf(widget, control, property);
    const auto written = window.gui.written.find({control, property});
    if (written != window.gui.written.end() && written->second.pixels == pixels)
        return written->second.units;
    const DialogUnits& units = window.gui.units;
    return Horizontal(property) ? units.toUnitsX(pixels) : units.toUnitsY(pixels);
}

void WriteUnits(WindowState& window, int control, Property property, int units)
{
    QWidget* widget = Target(window, control);
    if (widget == nullptr)
        return;
    const DialogUnits& scale = window.gui.units;
    const int pixels = Horizontal(property) ? scale.toPixelsX(units) : scale.toPixelsY(units);
    Apply(window, widget, control, property, pixels);
    // Remember the units only where the widget took the pixels asked for.
    if (PixelsOf(widget, control, property) == pixels)
        window.gui.written[{control, property}] = WrittenUnits{units, pixels};
    else
        window.gui.written.erase({control, property});
}

} // namespace dirdock
