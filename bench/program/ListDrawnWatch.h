#pragma once

#include <QObject>
#include <QPointer>

#include <atomic>
#include <optional>

#include "bench/runtime/Samples.h"

class QTreeView;

namespace dirdock::bench {

// Notes when a list, once armed, has been reset to a given number of rows
// and has then finished a paint of its rows. Lives on the GUI thread.
class ListDrawnWatch : public QObject {
public:
    ListDrawnWatch(QTreeView* list, int rows);

    // GUI thread: from now on, the next reset to `rows` rows counts.
    void arm();
    // When the paint after that reset had finished; empty before.
    std::optional<BenchClock::time_point> drawn() const;
    // When that reset came; valid once drawn() is.
    BenchClock::time_point reset() const { return m_resetAt; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onReset();

    QPointer<QTreeView> m_list;
    int m_rows;
    bool m_armed = false;
    bool m_reset = false;
    std::atomic<bool> m_done{false};
    BenchClock::time_point m_resetAt;
    BenchClock::time_point m_drawn;
};

} // namespace dirdock::bench
