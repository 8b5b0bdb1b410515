#include "RunFrame.h"

#include "RunToolbar.h"
#include "core/WindowProcedure.h"

namespace dirdock {

std::int32_t FrameHeight = 0;

namespace {

constexpr std::int32_t ToolbarStackSize = 25000;

class Frame final : public WindowProcedure {
protected:
    WindowRef prepareWindow() override { return PrepareFrameWindow("Kestrova$KSTRV001", "P1$APPFRAME"); }

    // The toolbar reads FrameHeight once when it opens, so it is written
    // before the toolbar's thread is started.
    void openAdditions() override
    {
        FrameHeight = ToNumber(GetProperty(window, 0, PropHeight));
        StartProcedureThread(RunToolbar, ToolbarStackSize);
    }

    // The frame keeps its size: resizing and restoring are refused.
    void handleOwnEvent(std::int32_t event) override
    {
        if (event == EvSizing || event == EvRestoring)
            cycleFlag = 1;
    }
};

} // namespace

void RunFrame()
{
    Frame().run();
}

} // namespace dirdock
