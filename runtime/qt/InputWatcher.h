#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>

#include <chrono>
#include <cstdint>

class QMouseEvent;

namespace dirdock {

class WindowState;

// Watches input for the whole application: remembers where the pointer
// last was, records mouse presses as key codes, consults a window's
// procedure before an alerted press is carried out, and shows a control's
// status-bar message while it has the focus.
class InputWatcher : public QObject {
public:
    InputWatcher();

    // How long a press waits for a busy procedure to be free: long enough
    // that a loaded machine does not lose a person's click, short enough
    // that a procedure stuck in its work does not hold the GUI for long;
    // and how long it then waits for the answer.
    static constexpr std::chrono::milliseconds BusyBound{1000};
    static constexpr std::chrono::seconds ConsultBound{2};

    QPointF lastPointer() const { return m_lastPointer; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool mousePressed(QWidget* widget, const QMouseEvent& event);
    bool consultPress(QWidget* widget, std::int32_t keyCode);
    void focusChanged(QWidget* now);

    QPointF m_lastPointer;
    // The last press seen, since a press ignored by a widget reaches its
    // parents too.
    struct Press {
        quint64 timestamp = 0;
        QPointF position;
        bool eaten = false;
    } m_lastPress;
};

// The watcher of the running runtime (GUI thread), nullptr when none.
InputWatcher* Watcher();
void SetWatcher(InputWatcher* watcher);

// The last pointer position in a window's units relative to its client area.
std::int32_t PointerXIn(const WindowState& window);

} // namespace dirdock
