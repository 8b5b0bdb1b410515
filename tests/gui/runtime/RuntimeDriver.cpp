#include "RuntimeDriver.h"

#include <QApplication>
#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <deque>

#include "core/ModuleInitialiser.h"
#include "runtime/qt/FrameWindow.h"
#include "runtime/qt/GuiThread.h"
#include "runtime/qt/WindowRegistry.h"

namespace dirdock {

namespace {

std::mutex pendingMutex;
std::deque<std::function<void()>> pending;

void Trampoline()
{
    std::function<void()> procedure;
    {
        std::lock_guard lock(pendingMutex);
        procedure = std::move(pending.front());
        pending.pop_front();
    }
    procedure();
}

} // namespace

bool WaitUntil(const std::function<bool()>& cond, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!cond()) {
        if (std::chrono::steady_clock::now() > deadline)
            return cond();
        // Serve the GUI thread for a moment, then look again.
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

bool StartProcedure(std::function<void()> procedure, std::int32_t stackSize)
{
    {
        std::lock_guard lock(pendingMutex);
        pending.push_back(std::move(procedure));
    }
    if (StartProcedureThread(&Trampoline, stackSize) != 0)
        return true;
    std::lock_guard lock(pendingMutex);
    pending.pop_back();
    return false;
}

Probe::Probe(std::string_view key)
    : list(&listBuffer, ListRecordDescription, sizeof(ListRecord)), m_key(key)
{
}

Probe::~Probe()
{
    if (QCoreApplication::instance() != nullptr) {
        EXPECT_TRUE(finished.load() || WaitUntil([this] { return finished.load(); })) << "probe still running";
    }
    // Its thread uses this object until it returns.
    if (m_started)
        m_finishedSignal.wait();
}

void Probe::start()
{
    m_started = StartProcedure([this] { run(); });
    ASSERT_TRUE(m_started);
}

void Probe::run()
{
    const WindowRef window = PrepareChildWindow(m_key, ChildLabel, {path, list});
    ref = window;
    PushBindScope(0);
    OpenWindow(window);
    BeginEventLoop();
    std::int32_t flag = 0;
    do {
        const Seen seen{CurrentEvent(), CurrentControl(), PointerX(), std::string(path.trimmed())};
        if (onEvent)
            onEvent(*this, seen);
        {
            std::lock_guard lock(m_mutex);
            m_seen.push_back(seen);
        }
        flag = flagFor ? flagFor(seen) : 0;
    } while (!EndEventPass(flag));
    endedByLoop = true;
    CloseWindow(window);
    PopBindScope();
    FinishEventLoops(0);
    ReleaseWindow(window);
    finished = true;
    m_finished.set_value();
}

bool Probe::waitOpened()
{
    return waitFor(EvOpened);
}

bool Probe::waitFor(std::int32_t event, int count)
{
    return WaitUntil([&] { return countOf(event) >= count; });
}

bool Probe::waitFinished()
{
    return WaitUntil([this] { return finished.load(); });
}

int Probe::countOf(std::int32_t event) const
{
    std::lock_guard lock(m_mutex);
    return static_cast<int>(std::count_if(m_seen.begin(), m_seen.end(), [event](const Seen& s) { return s.event == event; }));
}

std::vector<Seen> Probe::seen() const
{
    std::lock_guard lock(m_mutex);
    return m_seen;
}

std::optional<Seen> Probe::last(std::int32_t event) const
{
    std::lock_guard lock(m_mutex);
    for (auto it = m_seen.rbegin(); it != m_seen.rend(); ++it) {
        if (it->event == event)
            return *it;
    }
    return std::nullopt;
}

void Probe::note(const std::string& text)
{
    std::lock_guard lock(m_mutex);
    m_notes.push_back(text);
}

std::vector<std::string> Probe::notes() const
{
    std::lock_guard lock(m_mutex);
    return m_notes;
}

bool Probe::sync()
{
    QMdiSubWindow* sub = window();
    if (sub == nullptr)
        return false;
    const int before = countOf(EvResized);
    const int grow = before % 2 == 0 ? 1 : -1;
    sub->resize(sub->width() + grow, sub->height());
    return waitFor(EvResized, before + 1);
}

QMdiSubWindow* Probe::window() const
{
    std::shared_ptr<WindowState> state = FindWindow(ref.load());
    return state ? dynamic_cast<QMdiSubWindow*>(state->gui.window.data()) : nullptr;
}

QWidget* Probe::control(int number) const
{
    QMdiSubWindow* sub = window();
    return sub == nullptr ? nullptr : sub->findChild<QWidget*>(QStringLiteral("control%1").arg(number));
}

void FillList(Queue& queue, const std::vector<std::pair<std::string, std::int32_t>>& rows)
{
    queue.clear();
    auto* record = static_cast<ListRecord*>(queue.buffer());
    for (const auto& [name, size] : rows) {
        ClearRecordBytes(record, ListRecordDescription);
        AssignFixed(record->FqName, name);
        AssignFixed(record->FqShortName, name.substr(0, 8));
        record->FqSize = size;
        queue.add();
    }
}

void RuntimeTest::SetUp()
{
    ASSERT_NE(StartRuntime(ProgramDescriptor, RuntimeVersion), 0);
    frameRef = PrepareFrameWindow(FrameKey, FrameLabel);
    OpenWindow(frameRef);
    ASSERT_NE(frame(), nullptr);
}

void RuntimeTest::TearDown()
{
    if (!frameReleased && RuntimeRunning()) {
        CloseWindow(frameRef);
        ReleaseWindow(frameRef);
    }
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

FrameWindow* RuntimeTest::frame() const
{
    std::shared_ptr<WindowState> state = FindWindow(frameRef);
    return state ? dynamic_cast<FrameWindow*>(state->gui.window.data()) : nullptr;
}

QMdiArea* RuntimeTest::mdiArea() const
{
    return frame() != nullptr ? frame()->mdiArea() : nullptr;
}

std::vector<std::int32_t> RuntimeTest::runFrameLoop(const std::function<std::int32_t(std::int32_t)>& policy)
{
    std::vector<std::int32_t> events;
    BeginEventLoop();
    std::int32_t flag = 0;
    do {
        events.push_back(CurrentEvent());
        flag = policy(CurrentEvent());
    } while (!EndEventPass(flag));
    return events;
}

} // namespace dirdock
