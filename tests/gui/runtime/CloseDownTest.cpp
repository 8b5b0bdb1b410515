// Closing the runtime down with procedure threads still running: they are
// served until they return, and a straggler past the bound is never left
// blocked inside the runtime.

#include <QApplication>
#include <QFileDialog>

#include <array>
#include <future>

#include "RuntimeDriver.h"
#include "core/ModuleInitialiser.h"
#include "runtime/qt/GuiThread.h"

namespace dirdock {
namespace {

class CloseDownTest : public RuntimeTest {
protected:
    void TearDown() override
    {
        // The runtime is gone; the next test starts it again.
        frameReleased = true;
        RuntimeTest::TearDown();
    }
};

TEST_F(CloseDownTest, ThreadsWaitingForEventsReturnBeforeCloseDownDoes)
{
    std::vector<std::unique_ptr<Probe>> probes;
    for (int i = 0; i < 4; ++i) {
        probes.push_back(std::make_unique<Probe>(i == 0 ? ToolbarKey : DirectoryKey));
        probes.back()->start();
        ASSERT_TRUE(probes.back()->waitOpened());
    }
    CloseDownRuntime();
    for (auto& probe : probes) {
        EXPECT_TRUE(probe->finished.load());
        EXPECT_TRUE(probe->endedByLoop.load());
    }
    EXPECT_FALSE(RuntimeRunning());
}

TEST_F(CloseDownTest, AThreadInTheFileDialogGetsCancelled)
{
    std::atomic<std::int32_t> result{-1};
    Probe probe;
    probe.onEvent = [&](Probe&, const Seen& seen) {
        if (seen.event == EvOpened) {
            std::array<char, 80> name{};
            result = FileDialog("Choose a File", name, "All Files|*.*", 2);
        }
    };
    probe.start();
    ASSERT_TRUE(WaitUntil([] {
        for (QWidget* widget : QApplication::allWidgets()) {
            if (dynamic_cast<QFileDialog*>(widget) != nullptr && widget->isVisible())
                return true;
        }
        return false;
    }));
    CloseDownRuntime();
    EXPECT_TRUE(probe.finished.load());
    EXPECT_EQ(result.load(), 0);
}

// A thread busy past the bound is let go; what it asks of the runtime
// afterwards returns at once with neutral results.
TEST_F(CloseDownTest, AStragglerPastTheBoundGetsNeutralAnswers)
{
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> busy{false};
    std::promise<void> asked;
    std::string text = "unset";
    bool ended = false;
    const WindowRef frame = frameRef;
    Probe probe;
    probe.onEvent = [&](Probe&, const Seen& seen) {
        if (seen.event != EvOpened)
            return;
        busy = true;
        released.wait();
        text = GetProperty(frame, 0, PropText);
        SetProperty(0, 0, PropWidth, 50);
        Redisplay(0, 0);
        ended = EndEventPass(0);
        asked.set_value();
    };
    probe.start();
    ASSERT_TRUE(WaitUntil([&] { return busy.load(); }));
    CloseDownRuntime();
    EXPECT_FALSE(probe.finished.load());
    release.set_value();
    asked.get_future().wait();
    EXPECT_EQ(text, "");
    EXPECT_TRUE(ended);
    probe.finishedSignal().wait();
}

TEST(StartRuntimeTest, OnlyVersion260IsServed)
{
    EXPECT_EQ(StartRuntime(ProgramDescriptor, 259), 0);
    EXPECT_EQ(StartRuntime(ProgramDescriptor, 261), 0);
    EXPECT_NE(StartRuntime(ProgramDescriptor, 260), 0);
}

} // namespace
} // namespace dirdock
