// The frame's procedure runs on the GUI thread; when it refuses a resize or
// a restore, the runtime puts back what the frame had.

#include <QApplication>
#include <QTimer>

#include "RuntimeDriver.h"
#include "runtime/qt/FrameWindow.h"
#include "runtime/qt/WindowRegistry.h"

namespace dirdock {
namespace {

using FrameRefusalTest = RuntimeTest;

class FrameSizingTest : public RuntimeTest, public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(FrameSizingTest, RefusedSizingPutsTheSizeBackAndAcceptedSizingKeepsIt)
{
    const std::int32_t flag = GetParam();
    FrameWindow* window = frame();
    const QSize before = window->size();
    QSize after;
    QTimer::singleShot(0, window, [window, before] { window->resize(before + QSize(40, 30)); });
    const auto events = runFrameLoop([&](std::int32_t event) {
        if (event != EvSizing)
            return 0;
        QTimer::singleShot(0, window, [&after, window] {
            after = window->size();
            window->close();
        });
        return flag;
    });
    ASSERT_EQ(std::count(events.begin(), events.end(), EvSizing), 1);
    EXPECT_EQ(after, flag == 1 ? before : before + QSize(40, 30));
    // An accepted change is news the procedure hears of.
    EXPECT_EQ(std::count(events.begin(), events.end(), EvResized), flag == 1 ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Flags, FrameSizingTest, ::testing::Values(1, 0));

TEST_F(FrameRefusalTest, RefusedMaximizingKeepsTheFramesSize)
{
    FrameWindow* window = frame();
    const QSize before = window->size();
    QSize after;
    Qt::WindowStates state;
    QTimer::singleShot(0, window, [window] { window->showMaximized(); });
    const auto events = runFrameLoop([&](std::int32_t event) {
        if (event != EvSizing)
            return 0;
        QTimer::singleShot(0, window, [&, window] {
            after = window->size();
            state = window->windowState();
            window->close();
        });
        return 1;
    });
    EXPECT_EQ(std::count(events.begin(), events.end(), EvSizing), 1);
    EXPECT_EQ(std::count(events.begin(), events.end(), EvRestoring), 0) << "undoing is not the user's restore";
    EXPECT_FALSE(state & Qt::WindowMaximized);
    EXPECT_EQ(after, before);
}

TEST_F(FrameRefusalTest, RuntimeWritesToTheFramesSizeAreNoSizing)
{
    SetProperty(frameRef, 0, PropWidth, 300);
    SetProperty(frameRef, 0, PropHeight, 200);
    std::string width;
    QTimer::singleShot(0, frame(), [&, this] {
        width = GetProperty(frameRef, 0, PropWidth);
        frame()->close();
    });
    const auto events = runFrameLoop([](std::int32_t) { return 1; });
    EXPECT_EQ(std::count(events.begin(), events.end(), EvSizing), 0);
    EXPECT_EQ(width, "300");
}

TEST_F(FrameRefusalTest, RefusedRestoreFromMaximizedStaysMaximized)
{
    FrameWindow* window = frame();
    Qt::WindowStates after;
    QTimer::singleShot(0, window, [window] { window->showMaximized(); });
    // Maximizing is allowed here; the user's restore that follows is not.
    const auto events = runFrameLoop([&](std::int32_t event) {
        if (event == EvSizing && !(window->windowState() & Qt::WindowMaximized))
            return 0;
        if (event == EvSizing) {
            QTimer::singleShot(0, window, [window] { window->showNormal(); });
            return 0;
        }
        if (event != EvRestoring)
            return 0;
        QTimer::singleShot(0, window, [&after, window] {
            after = window->windowState();
            window->close();
        });
        return 1;
    });
    ASSERT_EQ(std::count(events.begin(), events.end(), EvRestoring), 1);
    EXPECT_TRUE(after & Qt::WindowMaximized);
}

// Refusing this would leave the frame minimized with no way back.
TEST_F(FrameRefusalTest, RestoreFromMinimizedAlwaysComesBackAtTheDefinedSize)
{
    FrameWindow* window = frame();
    std::shared_ptr<WindowState> state = FindWindow(frameRef);
    const QSize defined(state->gui.units.toPixelsX(400), state->gui.units.toPixelsY(283));
    SetProperty(frameRef, 0, PropWidth, 300);
    window->showMinimized();
    Qt::WindowStates after;
    QSize size;
    QTimer::singleShot(0, window, [window] { window->showNormal(); });
    const auto events = runFrameLoop([&](std::int32_t event) {
        if (event != EvRestoring)
            return 0;
        QTimer::singleShot(0, window, [&, window] {
            after = window->windowState();
            size = window->size();
            window->close();
        });
        return 1;
    });
    ASSERT_EQ(std::count(events.begin(), events.end(), EvRestoring), 1);
    EXPECT_FALSE(after & Qt::WindowMinimized);
    EXPECT_EQ(size, defined);
}

TEST_F(FrameRefusalTest, ActivatingTheFrameGivesFocusGained)
{
    FrameWindow* window = frame();
    QApplication::setActiveWindow(nullptr);
    QTimer::singleShot(0, window, [window] { QApplication::setActiveWindow(window); });
    const auto events = runFrameLoop([window](std::int32_t event) {
        if (event == EvFocusGained)
            QTimer::singleShot(0, window, [window] { window->close(); });
        return 0;
    });
    EXPECT_EQ(std::count(events.begin(), events.end(), EvFocusGained), 1);
    EXPECT_EQ(events.front(), EvOpened);
}

TEST_F(FrameRefusalTest, ClosingTheFrameEndsItsLoopAndEveryChildsLoop)
{
    Probe probe;
    probe.start();
    ASSERT_TRUE(probe.waitOpened());
    QTimer::singleShot(0, frame(), [this] { frame()->close(); });
    runFrameLoop([](std::int32_t) { return 0; });
    EXPECT_TRUE(probe.waitFinished());
    EXPECT_TRUE(probe.endedByLoop);
}

} // namespace
} // namespace dirdock
