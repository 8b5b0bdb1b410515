#pragma once

#include <QObject>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace dirdock::bench {

// Counts the paint events a widget receives, so that another thread can
// wait for the next one.
class PaintCounter : public QObject {
public:
    int count() const;
    // False when no paint beyond `seen` came within the timeout.
    bool waitBeyond(int seen, std::chrono::milliseconds timeout) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    int m_count = 0;
};

} // namespace dirdock::bench
