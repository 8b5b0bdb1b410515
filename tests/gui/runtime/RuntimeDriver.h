#pragma once

#include <QPointer>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <future>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/Runtime.h"
#include "runtime/data/Records.h"
#include "runtime/data/RecordDescription.h"

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace dirdock {

class FrameWindow;

inline constexpr std::string_view FrameKey = "Kestrova$KSTRV001";
inline constexpr std::string_view FrameLabel = "P1$APPFRAME";
inline constexpr std::string_view ToolbarKey = "Kestrova$KSTRV002";
inline constexpr std::string_view DirectoryKey = "Kestrova$KSTRV003";
inline constexpr std::string_view ChildLabel = "P1$WINDOW";

// Serves the GUI thread until cond holds or the generous timeout passes.
bool WaitUntil(const std::function<bool()>& cond, std::chrono::milliseconds timeout = std::chrono::seconds(20));

// Runs a function as a procedure, on a thread from StartProcedureThread.
bool StartProcedure(std::function<void()> procedure, std::int32_t stackSize = 25000);

// What a probe's procedure saw in one pass.
struct Seen {
    std::int32_t event = 0;
    std::int32_t control = 0;
    std::int32_t pointerX = 0;
    std::string path; // the bound entry variable, trimmed
};

// A window procedure for tests: prepares a child window, serves its loop,
// records every pass and answers with the flag its policy gives.
class Probe {
public:
    explicit Probe(std::string_view key = DirectoryKey);
    ~Probe();

    // Runs on the procedure's thread at each pass, before the flag is asked.
    std::function<void(Probe&, const Seen&)> onEvent;
    std::function<std::int32_t(const Seen&)> flagFor;

    void start();
    bool waitOpened();
    bool waitFor(std::int32_t event, int count = 1);
    bool waitFinished();
    // Ready once the procedure has returned; needs no event loop.
    std::shared_future<void> finishedSignal() const { return m_finishedSignal; }
    int countOf(std::int32_t event) const;
    std::vector<Seen> seen() const;
    std::optional<Seen> last(std::int32_t event) const;
    void note(const std::string& text);
    // Resizes the window as a person would and waits for the EvResized
    // that follows every event queued before it.
    bool sync();
    std::vector<std::string> notes() const;

    std::atomic<WindowRef> ref{0};
    std::atomic<bool> finished{false};
    std::atomic<bool> endedByLoop{false};

    // The procedure's variables.
    FixedText<255> path;
    ListRecord listBuffer{};
    Queue list;

    // The sub-window and a control (GUI thread, once prepared).
    QMdiSubWindow* window() const;
    QWidget* control(int number) const;

private:
    void run();

    std::string m_key;
    bool m_started = false;
    std::promise<void> m_finished;
    std::shared_future<void> m_finishedSignal = m_finished.get_future().share();
    mutable std::mutex m_mutex;
    std::vector<Seen> m_seen;
    std::vector<std::string> m_notes;
};

// Fills a queue of list records with (name, size) rows.
void FillList(Queue& queue, const std::vector<std::pair<std::string, std::int32_t>>& rows);

// The fixture: a runtime and an open frame on the GUI thread (this one).
class RuntimeTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    FrameWindow* frame() const;
    QMdiArea* mdiArea() const;
    // Serves the frame's loop on this thread: every pass is recorded and
    // answered with policy's flag, until the frame is closed.
    std::vector<std::int32_t> runFrameLoop(const std::function<std::int32_t(std::int32_t)>& policy);

    WindowRef frameRef = 0;
    bool frameReleased = false;
};

} // namespace dirdock
