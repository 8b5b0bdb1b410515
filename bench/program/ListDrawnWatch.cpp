#include "ListDrawnWatch.h"

#include <QEvent>
#include <QTimer>
#include <QTreeView>

namespace dirdock::bench {

ListDrawnWatch::ListDrawnWatch(QTreeView* list, int rows) : QObject(list), m_list(list), m_rows(rows)
{
    connect(list->model(), &QAbstractItemModel::modelReset, this, [this] { onReset(); });
    list->viewport()->installEventFilter(this);
}

void ListDrawnWatch::arm()
{
    m_armed = true;
    m_reset = false;
    m_done = false;
}

std::optional<BenchClock::time_point> ListDrawnWatch::drawn() const
{
    if (!m_done.load())
        return std::nullopt;
    return m_drawn;
}

void ListDrawnWatch::onReset()
{
    if (m_armed && m_list->model()->rowCount() == m_rows) {
        m_reset = true;
        m_resetAt = BenchClock::now();
    }
}

// The filter sees a paint before it happens; a zero timer fires once the
// painting, and the flush of the window it belongs to, have ended.
bool ListDrawnWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && m_reset) {
        m_reset = false;
        m_armed = false;
        QTimer::singleShot(0, this, [this] {
            m_drawn = BenchClock::now();
            m_done = true;
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace dirdock::bench
