#include <gtest/gtest.h>

#include "ProcedureScripts.h"
#include "frame/RunFrame.h"

namespace dirdock::scripted {
namespace {

Script FrameScript(std::vector<Step> steps, const char* height = "283")
{
    Script script;
    script.properties = {{1, 0, PropHeight, height}};
    script.steps = std::move(steps);
    return script;
}

class FrameHeights : public testing::TestWithParam<std::pair<const char*, std::int32_t>> {};

TEST_P(FrameHeights, RecordedBeforeTheToolbarStarts)
{
    FrameHeight = -1;
    ScriptedRuntime runtime(FrameScript({Event(EvOpened)}, GetParam().first));
    RunFrame();
    const std::vector<std::string> expected{"PrepareFrameWindow(Kestrova$KSTRV001,P1$APPFRAME)",
                                            "PushBindScope(0)",
                                            "LastKeyCode()",
                                            "OpenWindow(1)",
                                            "GetProperty(1,0,PropHeight)",
                                            "StartProcedureThread(RunToolbar,25000)",
                                            "BeginEventLoop()"};
    EXPECT_EQ(OpeningCalls(runtime), expected);
    EXPECT_EQ(FrameHeight, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Frame, FrameHeights,
                         testing::Values(std::pair{"283", 283}, std::pair{"412", 412}, std::pair{"0", 0}));

struct FrameEventCase {
    const char* name;
    Step step;
    std::vector<std::string> expected;
};

void PrintTo(const FrameEventCase& c, std::ostream* out)
{
    *out << c.name;
}

class FrameEvents : public testing::TestWithParam<FrameEventCase> {};

TEST_P(FrameEvents, OnlySizingAndRestoringAreRefused)
{
    ScriptedRuntime runtime(FrameScript({Event(EvOpened), GetParam().step}));
    RunFrame();
    EXPECT_EQ(PassCalls(runtime, 1), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Frame, FrameEvents,
    testing::Values(FrameEventCase{"Sizing", Event(EvSizing), {"EndEventPass(1)"}},
                    FrameEventCase{"Restoring", Event(EvRestoring), {"EndEventPass(1)"}},
                    FrameEventCase{"Resized",
                                   Event(EvResized),
                                   {"GetProperty(1,0,PropAcceptSweep)", "Redisplay(0,0)", "EndEventPass(0)"}},
                    FrameEventCase{"MenuItem", Event(EvAccepted, -3), {"EndEventPass(0)"}},
                    FrameEventCase{"KeyPreAlert", Event(EvKeyPreAlert), {"EndEventPass(0)"}}),
    [](const testing::TestParamInfo<FrameEventCase>& info) { return info.param.name; });

TEST(Frame, StartsTheToolbarOnceAndHasNoOwnReleases)
{
    ScriptedRuntime runtime(FrameScript({Event(EvOpened), Event(EvFocusGained), Event(EvSizing)}));
    RunFrame();
    EXPECT_EQ(runtime.callsStartingWith("StartProcedureThread(").size(), 1u);
    const std::vector<std::string> leaving{"CloseWindow(1)", "PopBindScope()", "FinishEventLoops(0)",
                                           "ReleaseWindow(1)"};
    EXPECT_EQ(LeavingCalls(runtime), leaving);
}

} // namespace
} // namespace dirdock::scripted
