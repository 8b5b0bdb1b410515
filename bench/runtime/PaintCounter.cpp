#include "PaintCounter.h"

#include <QEvent>

namespace dirdock::bench {

int PaintCounter::count() const
{
    std::lock_guard lock(m_mutex);
    return m_count;
}

bool PaintCounter::waitBeyond(int seen, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] { return m_count > seen; });
}

bool PaintCounter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        std::lock_guard lock(m_mutex);
        ++m_count;
        m_changed.notify_all();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace dirdock::bench
