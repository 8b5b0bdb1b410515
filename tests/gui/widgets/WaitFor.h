#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>

namespace dirdock::test {

// Serves events until the condition holds or a generous deadline passes;
// true when it holds.
template <typename Condition>
bool WaitFor(Condition condition, int timeoutMs = 20000)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return condition();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

} // namespace dirdock::test
