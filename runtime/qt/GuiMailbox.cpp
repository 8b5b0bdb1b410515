#include "GuiMailbox.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace dirdock {

bool GuiMailbox::call(std::function<void()> task)
{
    std::future<bool> ran;
    {
        std::lock_guard lock(m_mutex);
        if (m_stopped || QCoreApplication::instance() == nullptr)
            return false;
        m_tasks.push_back(Task{std::move(task), {}});
        ran = m_tasks.back().ran.get_future();
        // Posted under the lock: stop() takes it before the application goes.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [this] { drain(); }, Qt::QueuedConnection);
    }
    m_wake.notify_all();
    return ran.get();
}

bool GuiMailbox::runOne(std::unique_lock<std::mutex>& lock)
{
    if (m_tasks.empty())
        return false;
    Task task = std::move(m_tasks.front());
    m_tasks.pop_front();
    lock.unlock();
    task.work();
    task.ran.set_value(true);
    lock.lock();
    return true;
}

void GuiMailbox::drain()
{
    std::unique_lock lock(m_mutex);
    while (runOne(lock)) {
    }
}

bool GuiMailbox::serveUntil(const std::function<bool()>& done, Clock::time_point deadline)
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        if (done())
            return true;
        if (runOne(lock))
            continue;
        if (m_wake.wait_until(lock, deadline) == std::cv_status::timeout)
            return done();
    }
}

void GuiMailbox::notify()
{
    std::lock_guard lock(m_mutex);
    m_wake.notify_all();
}

void GuiMailbox::start()
{
    std::lock_guard lock(m_mutex);
    m_stopped = false;
}

void GuiMailbox::stop()
{
    std::deque<Task> cancelled;
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
        cancelled.swap(m_tasks);
    }
    for (Task& task : cancelled)
        task.ran.set_value(false);
    m_wake.notify_all();
}

bool GuiMailbox::stopped() const
{
    std::lock_guard lock(m_mutex);
    return m_stopped;
}

GuiMailbox& Mailbox()
{
    static GuiMailbox mailbox;
    return mailbox;
}

} // namespace dirdock
