#include "InputWatcher.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "runtime/qt/FrameWindow.h"
#include "runtime/qt/WindowRegistry.h"

namespace dirdock {

namespace {

QPointer<InputWatcher> watcher;

std::int32_t KeyCodeOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return KeyLeftButton;
    case Qt::RightButton:
        return KeyRightButton;
    default:
        return 0;
    }
}

bool Alerted(const WindowState& window, std::int32_t keyCode)
{
    const auto keys = window.definition->alertedKeys;
    return std::find(keys.begin(), keys.end(), keyCode) != keys.end();
}

} // namespace

InputWatcher* Watcher()
{
    return watcher;
}

void SetWatcher(InputWatcher* w)
{
    watcher = w;
}

InputWatcher::InputWatcher()
{
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
}

bool InputWatcher::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        m_lastPointer = static_cast<QMouseEvent*>(event)->globalPosition();
        return false;
    case QEvent::Enter:
        m_lastPointer = static_cast<QEnterEvent*>(event)->globalPosition();
        return false;
    case QEvent::MouseButtonPress:
        m_lastPointer = static_cast<QMouseEvent*>(event)->globalPosition();
        if (!watched->isWidgetType())
            return false;
        return mousePressed(static_cast<QWidget*>(watched), *static_cast<QMouseEvent*>(event));
    default:
        return false;
    }
}

bool InputWatcher::mousePressed(QWidget* widget, const QMouseEvent& event)
{
    if (event.timestamp() == m_lastPress.timestamp && event.globalPosition() == m_lastPress.position)
        return m_lastPress.eaten;
    const std::int32_t keyCode = KeyCodeOf(event.button());
    if (keyCode != 0)
        SetLastKeyCode(keyCode);
    const bool eaten = keyCode != 0 && consultPress(widget, keyCode);
    m_lastPress = Press{event.timestamp(), event.globalPosition(), eaten};
    return eaten;
}

// True when the press is to be dropped.
bool InputWatcher::consultPress(QWidget* widget, std::int32_t keyCode)
{
    std::shared_ptr<WindowState> window = WindowOfWidget(widget);
    if (!window || window->definition == nullptr || !Alerted(*window, keyCode))
        return false;
    const int control = ControlOfWidget(widget);
    const QueuedEvent preAlert{EvKeyPreAlert, control, PointerXIn(*window), 0};
    const std::optional<std::int32_t> flag = window->consult(preAlert, BusyBound, ConsultBound);
    if (flag != 1) {
        // A busy window does not answer, and a refused press goes nowhere.
        if (!flag)
            QApplication::beep();
        return true;
    }
    // Queued behind the press itself, so the control has handled it first.
    std::weak_ptr<WindowState> weak = window;
    QMetaObject::invokeMethod(
        qApp,
        [weak, control] {
            if (auto w = weak.lock())
                w->post(QueuedEvent{EvKeyAlerted, control, 0, 0});
        },
        Qt::QueuedConnection);
    return false;
}

void InputWatcher::focusChanged(QWidget* now)
{
    std::shared_ptr<WindowState> frame = FrameWindowState();
    if (!frame || now == nullptr)
        return;
    auto* frameWidget = dynamic_cast<FrameWindow*>(frame->gui.window.data());
    std::shared_ptr<WindowState> window = WindowOfWidget(now);
    if (frameWidget == nullptr || !window || window->definition == nullptr)
        return;
    const int control = ControlOfWidget(now);
    const auto controls = window->definition->controls;
    if (control < 1 || control > static_cast<int>(controls.size())) {
        frameWidget->showMessage(QString());
        return;
    }
    const std::string_view message = controls[control - 1].message;
    frameWidget->showMessage(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
}

std::int32_t PointerXIn(const WindowState& window)
{
    const QWidget* content = window.gui.content;
    if (content == nullptr || watcher == nullptr)
        return 0;
    const double pixels = watcher->lastPointer().x() - content->mapToGlobal(QPointF(0, 0)).x();
    return static_cast<std::int32_t>(std::floor(pixels / window.gui.units.pixelsPerUnitX()));
}

} // namespace dirdock
