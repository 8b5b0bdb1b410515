#include "BenchProcedure.h"

#include <QEventLoop>
#include <QPointer>

#include <deque>
#include <mutex>

#include "runtime/data/RecordDescription.h"
#include "runtime/qt/WindowRegistry.h"
#include "runtime/qt/WindowState.h"

namespace dirdock::bench {

namespace {

std::mutex pendingMutex;
std::deque<std::function<void()>> pending;

// StartProcedureThread takes a plain function: the body waits in a queue.
void Trampoline()
{
    std::function<void()> body;
    {
        std::lock_guard lock(pendingMutex);
        body = std::move(pending.front());
        pending.pop_front();
    }
    body();
}

} // namespace

bool RunProcedure(std::function<void()> body)
{
    QEventLoop loop;
    QPointer<QEventLoop> guard(&loop);
    {
        std::lock_guard lock(pendingMutex);
        pending.push_back([body = std::move(body), guard] {
            body();
            QMetaObject::invokeMethod(qApp, [guard] {
                if (guard)
                    guard->quit();
            }, Qt::QueuedConnection);
        });
    }
    if (StartProcedureThread(&Trampoline, 25000) == 0) {
        std::lock_guard lock(pendingMutex);
        pending.pop_back();
        return false;
    }
    loop.exec();
    return true;
}

ProbeWindow::ProbeWindow() : list(&listBuffer, ListRecordDescription, sizeof(ListRecord))
{
    m_ref = PrepareChildWindow(DirectoryKey, ChildLabel, {path, list});
    PushBindScope(0);
    OpenWindow(m_ref);
    BeginEventLoop();
}

ProbeWindow::~ProbeWindow()
{
    CloseWindow(m_ref);
    PopBindScope();
    FinishEventLoops(0);
    ReleaseWindow(m_ref);
}

QWidget* ProbeWindow::control(int number) const
{
    std::shared_ptr<WindowState> state = FindWindow(m_ref);
    if (!state || number < 1 || number > static_cast<int>(state->gui.controls.size()))
        return nullptr;
    return state->gui.controls[number - 1];
}

} // namespace dirdock::bench
