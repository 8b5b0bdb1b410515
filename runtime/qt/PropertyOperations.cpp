// GetProperty and SetProperty: numbers travel as their decimal text.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include "core/Runtime.h"
#include "runtime/qt/ControlFactory.h"
#include "runtime/qt/GuiThread.h"
#include "runtime/qt/ListView.h"
#include "runtime/qt/WindowGeometry.h"
#include "runtime/qt/WindowRegistry.h"

namespace dirdock {

namespace {

QWidget* ControlWidget(WindowState& window, int control)
{
    if (control < 1 || control > static_cast<int>(window.gui.controls.size()))
        return nullptr;
    return window.gui.controls[control - 1];
}

QString ReadText(WindowState& window, int control)
{
    if (control == 0)
        return window.gui.window != nullptr ? window.gui.window->windowTitle() : QString();
    QWidget* widget = ControlWidget(window, control);
    if (auto* label = dynamic_cast<QLabel*>(widget))
        return label->text();
    if (auto* entry = dynamic_cast<QLineEdit*>(widget))
        return entry->text();
    if (auto* button = dynamic_cast<QAbstractButton*>(widget))
        return button->text();
    return {};
}

void WriteText(WindowState& window, int control, const QString& text)
{
    if (control == 0) {
        if (window.gui.window != nullptr)
            window.gui.window->setWindowTitle(text);
        return;
    }
    QWidget* widget = ControlWidget(window, control);
    if (auto* label = dynamic_cast<QLabel*>(widget)) {
        label->setText(text);
    } else if (auto* entry = dynamic_cast<QLineEdit*>(widget)) {
        // Set as if typed, so the bound variable follows it.
        entry->setText(text);
        window.storeEntryText(control, entry->text().toUtf8().toStdString());
    } else if (auto* button = dynamic_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    }
}

std::string Read(WindowState& window, int control, Property property)
{
    if (IsGeometry(property)) {
        const std::optional<int> units = ReadUnits(window, control, property);
        return units ? std::to_string(*units) : std::string();
    }
    auto* list = dynamic_cast<ListView*>(ControlWidget(window, control));
    switch (property) {
    case PropText:
        return ReadText(window, control).toStdString();
    case PropClickRow:
        return list != nullptr ? std::to_string(list->clickRow()) : std::string();
    case PropClickColumn:
        return list != nullptr ? list->clickColumn().toStdString() : std::string();
    default:
        return {};
    }
}

void Write(WindowState& window, int control, Property property, std::string_view value)
{
    if (IsGeometry(property)) {
        WriteUnits(window, control, property, ToNumber(value));
        return;
    }
    if (property == PropText) {
        WriteText(window, control, DefinitionText(value));
    } else if (property == PropClickRow) {
        if (auto* list = dynamic_cast<ListView*>(ControlWidget(window, control)))
            list->setClickRow(ToNumber(value));
    }
}

} // namespace

std::string GetProperty(WindowRef ref, std::int32_t control, Property property)
{
    // No accept sweep is ever started.
    if (property == PropAcceptSweep)
        return "0";
    std::shared_ptr<WindowState> window = FindWindow(ref);
    if (!window)
        return {};
    return OnGui(
        [&] {
            if (window->closed() || window->gui.window == nullptr)
                return std::string();
            return Read(*window, control, property);
        },
        std::string());
}

void SetProperty(WindowRef ref, std::int32_t control, Property property, std::string_view value)
{
    std::shared_ptr<WindowState> window = FindWindow(ref);
    if (!window)
        return;
    OnGui([&] {
        if (!window->closed() && window->gui.window != nullptr)
            Write(*window, control, property, value);
    });
}

void SetProperty(WindowRef ref, std::int32_t control, Property property, std::int32_t value)
{
    SetProperty(ref, control, property, std::to_string(value));
}

} // namespace dirdock
