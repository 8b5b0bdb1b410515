#pragma once

#include <cstdint>

#include "Runtime.h"

namespace dirdock {

// The skeleton every window procedure follows. A procedure fills in its
// numbered steps by overriding the hooks; run() carries out the rest.
class WindowProcedure {
public:
    virtual ~WindowProcedure() = default;

    // Runs the whole procedure: prepare, open, serve the event loop, finish.
    void run();

protected:
    // Step 1: the procedure's own variables.
    virtual void initialiseVariables() {}
    // Step 2: prepares the window and returns its reference.
    virtual WindowRef prepareWindow() = 0;
    // Step 6: additions after the window is open.
    virtual void openAdditions() {}
    // Step 9: the procedure's own event cases; may set cycleFlag.
    virtual void handleOwnEvent(std::int32_t) {}
    // Step 10: per-control handling.
    virtual void handleControl(std::int32_t, std::int32_t) {}
    // Step 13: the procedure's own releases.
    virtual void ownReleases() {}

    void OpenProcedureWindow();
    void RefreshDisplay();
    void FirstRefresh();
    // Closes the window, pops the bind scope and continues at the tail.
    [[noreturn]] void FinishProcedure();

    WindowRef window = 0;
    std::int32_t windowIsOpen = 0;
    std::int32_t windowReady = 0;
    std::int32_t cycleFlag = 0;

private:
    void serveEventLoop();
    void handleStandardEvent(std::int32_t event);
    void tail();
};

} // namespace dirdock
