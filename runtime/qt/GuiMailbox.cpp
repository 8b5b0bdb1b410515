#include "GuiMailbox.h"

#include <QSocketNotifier>

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>
#include <utility>

namespace dirdock {

GuiMailbox::GuiMailbox() = default;

GuiMailbox::~GuiMailbox()
{
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

bool GuiMailbox::call(std::function<void()> task)
{
    std::future<bool> ran;
    {
        std::lock_guard lock(m_mutex);
        if (m_stopped)
            return false;
        m_tasks.push_back(Task{std::move(task), {}});
        ran = m_tasks.back().ran.get_future();
        // Written under the lock: stop() closes the counter under it.
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_wakeFd, &one, sizeof one);
    }
    m_wake.notify_all();
    return ran.get();
}

void GuiMailbox::woken()
{
    std::uint64_t count = 0;
    {
        std::lock_guard lock(m_mutex);
        if (m_wakeFd >= 0) {
            [[maybe_unused]] const ssize_t read = ::read(m_wakeFd, &count, sizeof count);
        }
    }
    drain();
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

bool GuiMailbox::start()
{
    const int fd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (fd < 0)
        return false;
    auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [this] { woken(); });
    std::lock_guard lock(m_mutex);
    m_wakeFd = fd;
    m_notifier = std::move(notifier);
    m_stopped = false;
    return true;
}

void GuiMailbox::stop()
{
    std::deque<Task> cancelled;
    std::unique_ptr<QSocketNotifier> notifier;
    int fd = -1;
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
        cancelled.swap(m_tasks);
        notifier = std::move(m_notifier);
        fd = std::exchange(m_wakeFd, -1);
    }
    notifier.reset();
    if (fd >= 0)
        ::close(fd);
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
