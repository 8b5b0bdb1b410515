// Operations on a window that is closed, released or was never there do
// nothing and give neutral results, on any thread.

#include <thread>

#include "RuntimeDriver.h"
#include "runtime/qt/WindowRegistry.h"

namespace dirdock {
namespace {

enum class Gone { Closed, Released, Unknown };

struct GoneCase {
    const char* name;
    Gone how;
    bool fromOtherThread;
};

// Every operation that takes a window reference, with what it must give.
void ExpectNeutral(WindowRef ref)
{
    EXPECT_EQ(GetProperty(ref, 0, PropText), "");
    EXPECT_EQ(GetProperty(ref, 0, PropWidth), "");
    EXPECT_EQ(GetProperty(ref, 4, PropClickRow), "");
    SetProperty(ref, 0, PropWidth, 100);
    SetProperty(ref, 2, PropText, "ignored");
    SetProperty(ref, 4, PropClickRow, 3);
    OpenWindow(ref);
    CloseWindow(ref);
    EXPECT_EQ(GetProperty(ref, 0, PropWidth), "");
}

class ClosedWindowTest : public RuntimeTest, public ::testing::WithParamInterface<GoneCase> {};

TEST_P(ClosedWindowTest, OperationsDoNothing)
{
    const GoneCase& c = GetParam();
    Probe probe;
    probe.start();
    ASSERT_TRUE(probe.waitOpened());
    WindowRef ref = probe.ref;
    CloseWindow(ref);
    ASSERT_TRUE(probe.waitFinished()); // the probe releases its window
    if (c.how == Gone::Unknown) {
        ref = 1'000'000;
    } else {
        if (c.how == Gone::Closed) {
            // A window closed but kept: prepare one and close it without release.
            ref = PrepareChildWindow(DirectoryKey, ChildLabel);
            OpenWindow(ref);
            CloseWindow(ref);
        }
    }
    if (c.fromOtherThread) {
        std::atomic<bool> done{false};
        std::thread other([&] {
            ExpectNeutral(ref);
            done = true;
        });
        EXPECT_TRUE(WaitUntil([&] { return done.load(); }));
        other.join();
    } else {
        ExpectNeutral(ref);
    }
    ReleaseWindow(ref);
    ReleaseWindow(ref);
    SetCurrentWindow(FindWindow(frameRef));
}

INSTANTIATE_TEST_SUITE_P(Cases, ClosedWindowTest,
                         ::testing::Values(GoneCase{"Closed", Gone::Closed, false},
                                           GoneCase{"Released", Gone::Released, false},
                                           GoneCase{"Unknown", Gone::Unknown, false},
                                           GoneCase{"ClosedFromAThread", Gone::Closed, true},
                                           GoneCase{"ReleasedFromAThread", Gone::Released, true},
                                           GoneCase{"UnknownFromAThread", Gone::Unknown, true}),
                         [](const auto& info) { return std::string(info.param.name); });

using UnknownDefinitionTest = RuntimeTest;

// A procedure whose window cannot be prepared still runs to its end.
TEST_F(UnknownDefinitionTest, LoopEndsAtOnceWithNoEvent)
{
    std::atomic<int> passes{-1};
    std::atomic<bool> done{false};
    ASSERT_TRUE(StartProcedure([&] {
        const WindowRef ref = PrepareChildWindow("Nowhere$NONE", ChildLabel);
        OpenWindow(ref);
        BeginEventLoop();
        int count = 0;
        const bool noEvent = CurrentEvent() == 0 && CurrentControl() == 0;
        while (!EndEventPass(0))
            ++count;
        passes = noEvent ? count : -2;
        SelectControl(1, 0, 0);
        Redisplay(0, 0);
        CloseWindow(ref);
        FinishEventLoops(0);
        ReleaseWindow(ref);
        done = true;
    }));
    ASSERT_TRUE(WaitUntil([&] { return done.load(); }));
    EXPECT_EQ(passes.load(), 0);
}

// The frame has no control 1, yet every procedure selects control 1 when
// its window opens.
TEST_F(UnknownDefinitionTest, SelectingAControlTheFrameLacksDoesNothing)
{
    SelectControl(1, 0, 0);
    SelectControl(-3, 0, 0);
    Redisplay(7, 0);
    EXPECT_EQ(GetProperty(frameRef, 1, PropText), "");
    EXPECT_EQ(GetProperty(frameRef, 9, PropX), "");
}

} // namespace
} // namespace dirdock
