#include "RunToolbar.h"

#include "RunFrame.h"
#include "core/WindowProcedure.h"
#include "lister/RunDirectoryLister.h"

namespace dirdock {

namespace {

constexpr std::int32_t ListerButton = 1;
constexpr std::int32_t PointerRegion = 2;
constexpr std::int32_t CollapsedWidth = 1;
constexpr std::int32_t ExpandedWidth = 35;
// The button's right edge: leaving the region beyond it collapses the strip.
constexpr std::int32_t CollapseBeyondX = 18;
constexpr std::int32_t ListerStackSize = 25000;

class Toolbar final : public WindowProcedure {
protected:
    WindowRef prepareWindow() override { return PrepareChildWindow("Kestrova$KSTRV002", "P1$WINDOW"); }

    // A collapsed strip at the frame's top left corner, as tall as the frame.
    void openAdditions() override
    {
        SetProperty(window, 0, PropText, std::string_view{});
        SetProperty(window, 0, PropX, 0);
        SetProperty(window, 0, PropY, 0);
        SetProperty(window, 0, PropHeight, FrameHeight);
        SetProperty(window, 0, PropWidth, CollapsedWidth);
    }

    void handleControl(std::int32_t control, std::int32_t event) override
    {
        if (control == ListerButton && event == EvAccepted)
            startLister();
        else if (control == PointerRegion && event == EvPointerIn)
            SetProperty(window, 0, PropWidth, ExpandedWidth);
        else if (control == PointerRegion && event == EvPointerOut)
            collapseIfBeyondButton();
    }

private:
    void startLister()
    {
        StartProcedureThread(RunDirectoryLister, ListerStackSize);
        RefreshDisplay();
    }

    void collapseIfBeyondButton()
    {
        if (PointerX() > CollapseBeyondX)
            SetProperty(window, 0, PropWidth, CollapsedWidth);
    }
};

} // namespace

void RunToolbar()
{
    Toolbar().run();
}

} // namespace dirdock
