#include "WindowState.h"

#include <QEventLoop>

#include <algorithm>

#include "runtime/qt/GuiMailbox.h"
#include "runtime/qt/GuiThread.h"

namespace dirdock {

WindowState::WindowState(WindowRef id, const WindowDefinition* definition)
    : id(id), definition(definition)
{
}

void WindowState::post(const QueuedEvent& event)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_closed)
            return;
        m_events.push_back(event);
    }
    m_changed.notify_all();
    wakeGuiLoop();
}

void WindowState::postOnce(const QueuedEvent& event)
{
    if (!queued(event.event))
        post(event);
}

bool WindowState::queued(std::int32_t event) const
{
    std::lock_guard lock(m_mutex);
    return std::any_of(m_events.begin(), m_events.end(),
                       [event](const QueuedEvent& e) { return e.event == event; });
}

void WindowState::close()
{
    {
        std::lock_guard lock(m_mutex);
        m_closed = true;
        m_events.clear();
    }
    m_changed.notify_all();
    Mailbox().notify();
    wakeGuiLoop();
}

bool WindowState::closed() const
{
    std::lock_guard lock(m_mutex);
    return m_closed;
}

void WindowState::wakeGuiLoop()
{
    if (m_guiLoop != nullptr && IsGuiThread())
        m_guiLoop->quit();
}

std::optional<QueuedEvent> WindowState::popLocked()
{
    if (m_closed || m_events.empty())
        return std::nullopt;
    QueuedEvent event = m_events.front();
    m_events.pop_front();
    return event;
}

std::optional<QueuedEvent> WindowState::take()
{
    if (IsGuiThread())
        return takeOnGuiThread();
    {
        std::lock_guard lock(m_mutex);
        if (m_closed || !m_events.empty())
            return popLocked();
        m_ownerWaiting = true;
    }
    // A press waiting for this window to be free can be put to it now.
    Mailbox().notify();
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_closed || !m_events.empty(); });
    m_ownerWaiting = false;
    return popLocked();
}

std::optional<QueuedEvent> WindowState::takeOnGuiThread()
{
    for (;;) {
        {
            std::lock_guard lock(m_mutex);
            if (m_closed || !m_events.empty())
                return popLocked();
        }
        if (!RuntimeRunning())
            return std::nullopt;
        QEventLoop loop;
        m_guiLoop = &loop;
        loop.exec();
        m_guiLoop = nullptr;
    }
}

bool WindowState::ownerIdleLocked() const
{
    return m_ownerWaiting && m_events.empty();
}

std::optional<std::int32_t> WindowState::consult(QueuedEvent event, Clock::duration idleBound,
                                                 Clock::duration answerBound)
{
    // A procedure busy for a moment gets the press once it is back in its
    // loop; one still busy after that does not answer.
    Mailbox().serveUntil(
        [this] {
            std::lock_guard lock(m_mutex);
            return m_closed || ownerIdleLocked();
        },
        Clock::now() + idleBound);
    {
        std::lock_guard lock(m_mutex);
        if (m_closed || !ownerIdleLocked())
            return std::nullopt;
        event.consultId = ++m_nextConsultId;
        m_pendingConsult = event.consultId;
        m_answer.reset();
        m_events.push_back(event);
    }
    m_changed.notify_all();
    Mailbox().serveUntil(
        [this] {
            std::lock_guard lock(m_mutex);
            return m_closed || m_answer.has_value();
        },
        Clock::now() + answerBound);
    std::lock_guard lock(m_mutex);
    // An event the owner never took is withdrawn with its wait.
    std::erase_if(m_events, [&](const QueuedEvent& e) { return e.consultId == event.consultId; });
    m_pendingConsult = 0;
    std::optional<std::int32_t> answer = m_answer;
    m_answer.reset();
    return answer;
}

void WindowState::answer(std::uint64_t consultId, std::int32_t flag)
{
    {
        std::lock_guard lock(m_mutex);
        if (consultId == 0 || consultId != m_pendingConsult)
            return;
        m_answer = flag;
    }
    Mailbox().notify();
}

void WindowState::storeEntryText(int control, std::string text)
{
    std::lock_guard lock(m_mutex);
    m_entryTexts[control] = std::move(text);
}

bool WindowState::hasEntryText(int control) const
{
    std::lock_guard lock(m_mutex);
    return m_entryTexts.contains(control);
}

std::vector<std::pair<int, std::string>> WindowState::takeEntryTexts()
{
    std::lock_guard lock(m_mutex);
    std::vector<std::pair<int, std::string>> texts(m_entryTexts.begin(), m_entryTexts.end());
    m_entryTexts.clear();
    return texts;
}

} // namespace dirdock
