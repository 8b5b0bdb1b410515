#pragma once

#include <QPointer>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/Runtime.h"
#include "runtime/qt/DialogUnits.h"
#include "windows/WindowDefinition.h"

class QEventLoop;

namespace dirdock {

// One event in a window's queue, with what the procedure may ask about it.
struct QueuedEvent {
    std::int32_t event = 0;
    std::int32_t control = 0;
    std::int32_t pointerX = 0;
    std::uint64_t consultId = 0; // nonzero while the GUI thread awaits its flag
};

// A procedure variable tied to a control.
struct Binding {
    int control = 0;
    FixedText<255>* text = nullptr;
    Queue* queue = nullptr;
};

// A unit value written to a property, with the pixels it produced, so that
// reading back gives the same units while those pixels are unchanged.
struct WrittenUnits {
    int units = 0;
    int pixels = 0;
};

// What only the GUI thread touches.
struct WindowWidgets {
    QPointer<QWidget> window;  // the frame or the sub-window
    QPointer<QWidget> content; // the client area the controls sit in
    std::vector<QPointer<QWidget>> controls; // control n at n - 1
    DialogUnits units;
    std::map<std::pair<int, int>, WrittenUnits> written; // (control, property)
    bool docked = false; // the toolbar: no caption, kept out of arranging
    bool opened = false;
    // Called when a pass over EvSizing or EvRestoring ends, with its flag.
    std::function<void(std::int32_t event, std::int32_t flag)> passEnded;
};

// What only the thread that runs the window's procedure touches.
struct OwnerState {
    QueuedEvent current;
    std::vector<Binding> bindings;
};

// A window of the runtime: its event queue, shared between the GUI thread
// (which posts) and the procedure's thread (which takes), and the parts
// that each of them keeps for itself.
class WindowState {
public:
    using Clock = std::chrono::steady_clock;

    WindowState(WindowRef id, const WindowDefinition* definition);

    const WindowRef id;
    const WindowDefinition* const definition;

    // GUI thread.
    void post(const QueuedEvent& event);
    // Posts unless an event of that kind is still waiting to be taken.
    void postOnce(const QueuedEvent& event);
    void close();
    // Delivers a consulted event to an owner that waits for its next event
    // (giving a busy owner idleBound to come back to its loop) and waits,
    // serving the mailbox, up to answerBound for the flag that ends its
    // pass. nullopt when the owner stays busy, the window closes or no
    // answer comes.
    std::optional<std::int32_t> consult(QueuedEvent event, Clock::duration idleBound,
                                        Clock::duration answerBound);

    // Owner thread: the next event, waiting without spinning; nullopt once
    // the window is closed. On the GUI thread it runs a nested event loop.
    std::optional<QueuedEvent> take();
    // Owner thread: the flag that ends the pass of a consulted event.
    void answer(std::uint64_t consultId, std::int32_t flag);

    bool closed() const;
    bool queued(std::int32_t event) const;

    // Entry text typed by the user, kept until the owner takes an event.
    void storeEntryText(int control, std::string text);
    // Whether text typed into the entry still waits for its variable.
    bool hasEntryText(int control) const;
    std::vector<std::pair<int, std::string>> takeEntryTexts();

    std::atomic<bool> released{false};
    WindowWidgets gui;
    OwnerState owner;

private:
    std::optional<QueuedEvent> popLocked();
    bool ownerIdleLocked() const;
    std::optional<QueuedEvent> takeOnGuiThread();
    void wakeGuiLoop();

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<QueuedEvent> m_events;
    bool m_closed = false;
    bool m_ownerWaiting = false;
    std::uint64_t m_nextConsultId = 0;
    std::uint64_t m_pendingConsult = 0;
    std::optional<std::int32_t> m_answer;
    std::map<int, std::string> m_entryTexts;
    QEventLoop* m_guiLoop = nullptr; // GUI thread only
};

} // namespace dirdock
