#include "WindowProcedure.h"

namespace dirdock {

namespace {

// Thrown by FinishProcedure and caught at the resumption point: it abandons
// whatever routine and pass were running.
struct ResumeAtTail {};

} // namespace

void WindowProcedure::run()
{
    windowIsOpen = 0;
    windowReady = 0;
    initialiseVariables();
    window = prepareWindow();
    try {
        PushBindScope(0);
        if (LastKeyCode() == KeyRightButton)
            SetLastKeyCode(0);
        OpenProcedureWindow();
        BeginEventLoop();
        serveEventLoop();
        FinishProcedure();
    } catch (const ResumeAtTail&) {
    }
    tail();
}

void WindowProcedure::serveEventLoop()
{
    do {
        cycleFlag = 0;
        const std::int32_t event = CurrentEvent();
        handleStandardEvent(event);
        handleOwnEvent(event);
        if (cycleFlag == 0)
            handleControl(CurrentControl(), event);
    } while (!EndEventPass(cycleFlag));
}

void WindowProcedure::handleStandardEvent(std::int32_t event)
{
    switch (event) {
    case EvOpened:
        if (windowReady == 0) {
            FirstRefresh();
            windowReady = 1;
        }
        SelectControl(1, 0, 0);
        break;
    case EvFocusGained:
        if (windowReady == 0) {
            FirstRefresh();
            windowReady = 1;
        } else {
            RefreshDisplay();
        }
        break;
    case EvResized:
        RefreshDisplay();
        break;
    case EvRejected:
        Beep(150, 16);
        Redisplay(CurrentControl(), 0);
        SelectControl(CurrentControl(), 0, 0);
        break;
    default:
        break;
    }
}

void WindowProcedure::tail()
{
    FinishEventLoops(0);
    ReleaseWindow(window);
    ownReleases();
}

void WindowProcedure::OpenProcedureWindow()
{
    OpenWindow(window);
    windowIsOpen = 1;
    openAdditions();
}

void WindowProcedure::RefreshDisplay()
{
    if (ToNumber(GetProperty(window, 0, PropAcceptSweep)) != 0)
        return;
    Redisplay(0, 0);
}

void WindowProcedure::FirstRefresh()
{
    RefreshDisplay();
}

void WindowProcedure::FinishProcedure()
{
    if (windowIsOpen == 1)
        CloseWindow(window);
    PopBindScope();
    throw ResumeAtTail{};
}

} // namespace dirdock
