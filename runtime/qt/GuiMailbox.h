#pragma once

#include <chrono>
#include <memory>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>

class QSocketNotifier;

namespace dirdock {

// The queue through which procedure threads hand work to the GUI thread and
// wait for it. A caller wakes the GUI thread through an event counter that
// the GUI thread's event loop watches; the GUI thread then drains the
// queue, as it also does while it waits on a procedure thread itself, so
// neither side can block the other for good. Once stopped, calls return at
// once without running. Waking through a file descriptor rather than a
// posted event keeps every hand-over between threads in this code, where
// the thread checker sees it.
class GuiMailbox {
public:
    using Clock = std::chrono::steady_clock;

    // Runs task on the GUI thread and waits for it. False when the mailbox
    // is stopped and the task did not run.
    bool call(std::function<void()> task);

    // GUI thread: runs every task queued so far.
    void drain();

    // GUI thread: serves tasks until done() holds or the deadline passes.
    // done() is evaluated with the mailbox's lock held; whoever changes
    // what it reads calls notify() afterwards. Returns done()'s last value.
    bool serveUntil(const std::function<bool()>& done, Clock::time_point deadline);

    // Wakes serveUntil to look at its condition again.
    void notify();

    // GUI thread: opens the mailbox for a new runtime session.
    GuiMailbox();
    ~GuiMailbox();
    bool start();
    // Cancels the tasks still queued; later calls return false at once.
    void stop();
    bool stopped() const;

private:
    struct Task {
        std::function<void()> work;
        std::promise<bool> ran;
    };

    bool runOne(std::unique_lock<std::mutex>& lock);
    void woken();

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Task> m_tasks;
    bool m_stopped = true;
    int m_wakeFd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier; // GUI thread only
};

// The process's one mailbox.
GuiMailbox& Mailbox();

} // namespace dirdock
