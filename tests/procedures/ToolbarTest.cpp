#include <gtest/gtest.h>

#include "ProcedureScripts.h"
#include "frame/RunFrame.h"
#include "frame/RunToolbar.h"

namespace dirdock::scripted {
namespace {

Step PointerOut(std::int32_t x)
{
    Step step = Event(EvPointerOut, 2);
    step.pointerX = x;
    return step;
}

TEST(Toolbar, OpensAsAStripAsTallAsTheFrame)
{
    FrameHeight = 271;
    Script script;
    script.steps = {Event(EvOpened), Event(EvPointerIn, 2), PointerOut(40), Event(EvResized)};
    ScriptedRuntime runtime(script);
    RunToolbar();
    const std::vector<std::string> expected{"PrepareChildWindow(Kestrova$KSTRV002,P1$WINDOW)",
                                            "PushBindScope(0)",
                                            "LastKeyCode()",
                                            "OpenWindow(1)",
                                            "SetProperty(1,0,PropText,)",
                                            "SetProperty(1,0,PropX,0)",
                                            "SetProperty(1,0,PropY,0)",
                                            "SetProperty(1,0,PropHeight,271)",
                                            "SetProperty(1,0,PropWidth,1)",
                                            "BeginEventLoop()"};
    EXPECT_EQ(OpeningCalls(runtime), expected);
    EXPECT_EQ(runtime.callsStartingWith("SetProperty(1,0,PropHeight,").size(), 1u);
    const std::vector<std::string> leaving{"CloseWindow(1)", "PopBindScope()", "FinishEventLoops(0)",
                                           "ReleaseWindow(1)"};
    EXPECT_EQ(LeavingCalls(runtime), leaving);
}

struct ToolbarCase {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::string> expected;
};

void PrintTo(const ToolbarCase& c, std::ostream* out)
{
    *out << c.name;
}

class ToolbarPasses : public testing::TestWithParam<ToolbarCase> {};

TEST_P(ToolbarPasses, CallTheRuntimeInOrder)
{
    Script script;
    script.steps = GetParam().steps;
    ScriptedRuntime runtime(script);
    RunToolbar();
    EXPECT_EQ(PassCalls(runtime), GetParam().expected);
}

const std::vector<std::string> listerStart{"StartProcedureThread(RunDirectoryLister,25000)",
                                           "GetProperty(1,0,PropAcceptSweep)", "Redisplay(0,0)",
                                           "EndEventPass(0)"};

const ToolbarCase toolbarCases[] = {
    {"PointerInWidens", {Event(EvPointerIn, 2)}, {"SetProperty(1,0,PropWidth,35)", "EndEventPass(0)"}},
    {"PointerInWhenWideWidensAgain",
     {Event(EvPointerIn, 2), Event(EvPointerIn, 2)},
     {"SetProperty(1,0,PropWidth,35)", "EndEventPass(0)", "SetProperty(1,0,PropWidth,35)", "EndEventPass(0)"}},
    {"PointerOutAtButtonEdgeKeepsWidth", {PointerOut(18)}, {"PointerX()", "EndEventPass(0)"}},
    {"PointerOutBeyondButtonCollapses",
     {PointerOut(19)},
     {"PointerX()", "SetProperty(1,0,PropWidth,1)", "EndEventPass(0)"}},
    {"PointerOutFarRightCollapses",
     {PointerOut(500)},
     {"PointerX()", "SetProperty(1,0,PropWidth,1)", "EndEventPass(0)"}},
    {"PointerOutLeftKeepsWidth", {PointerOut(0)}, {"PointerX()", "EndEventPass(0)"}},
    {"PointerOutNegativeKeepsWidth", {PointerOut(-7)}, {"PointerX()", "EndEventPass(0)"}},
    {"PointerOutMostNegativeKeepsWidth", {PointerOut(INT32_MIN)}, {"PointerX()", "EndEventPass(0)"}},
    {"TwoPressesStartTwoListers",
     {Event(EvAccepted, 1), Event(EvAccepted, 1)},
     {listerStart[0], listerStart[1], listerStart[2], listerStart[3], listerStart[0], listerStart[1],
      listerStart[2], listerStart[3]}},
    {"PointerEventsOnTheButtonChangeNothing",
     {Event(EvPointerIn, 1), Event(EvPointerOut, 1)},
     {"EndEventPass(0)", "EndEventPass(0)"}},
    {"AcceptedOnTheRegionChangesNothing", {Event(EvAccepted, 2)}, {"EndEventPass(0)"}},
    {"SizingAndRestoringAreNotRefused",
     {Event(EvSizing), Event(EvRestoring)},
     {"EndEventPass(0)", "EndEventPass(0)"}},
};

INSTANTIATE_TEST_SUITE_P(Toolbar, ToolbarPasses, testing::ValuesIn(toolbarCases),
                         [](const testing::TestParamInfo<ToolbarCase>& info) { return info.param.name; });

} // namespace
} // namespace dirdock::scripted
