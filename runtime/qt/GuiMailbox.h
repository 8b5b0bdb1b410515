#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>

namespace dirdock {

// The queue through which procedure threads hand work to the GUI thread and
// wait for it. The GUI thread drains it from a queued invocation, and also
// while it waits on a procedure thread itself, so neither side can block
// the other for good. Once stopped, calls return at once without running.
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

    // Opens the mailbox for a new runtime session.
    void start();
    // Cancels the tasks still queued; later calls return false at once.
    void stop();
    bool stopped() const;

private:
    struct Task {
        std::function<void()> work;
        std::promise<bool> ran;
    };

    bool runOne(std::unique_lock<std::mutex>& lock);

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Task> m_tasks;
    bool m_stopped = true;
};

// The process's one mailbox.
GuiMailbox& Mailbox();

} // namespace dirdock
