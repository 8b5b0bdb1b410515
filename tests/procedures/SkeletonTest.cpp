#include <gtest/gtest.h>

#include "ProcedureScripts.h"
#include "core/WindowProcedure.h"

namespace dirdock::scripted {
namespace {

constexpr std::int32_t EvOwnCycle = 99;  // the test procedure's own case that sets the cycle flag
constexpr std::int32_t EvOwnFinish = 98; // the test procedure's own case that finishes it

// A procedure that notes its hooks in the runtime's log.
class TestProcedure final : public WindowProcedure {
public:
    bool clearOpenFlag = false;

protected:
    WindowRef prepareWindow() override { return PrepareChildWindow("TestKey", "TestLabel"); }

    void openAdditions() override
    {
        ScriptedRuntime::current().note("open additions");
        if (clearOpenFlag)
            windowIsOpen = 0;
    }

    void handleOwnEvent(std::int32_t event) override
    {
        if (event == EvOwnCycle)
            cycleFlag = 1;
        if (event == EvOwnFinish)
            FinishProcedure();
    }

    void handleControl(std::int32_t control, std::int32_t event) override
    {
        ScriptedRuntime::current().note("control " + std::to_string(control) + " event " + std::to_string(event));
    }

    void ownReleases() override { ScriptedRuntime::current().note("own releases"); }
};

const std::string Sweep = "GetProperty(1,0,PropAcceptSweep)";

struct PassCase {
    const char* name;
    std::vector<Step> steps;
    std::vector<PropertyAnswer> properties;
    std::vector<std::string> expected;
};

void PrintTo(const PassCase& c, std::ostream* out)
{
    *out << c.name;
}

class SkeletonPasses : public testing::TestWithParam<PassCase> {};

TEST_P(SkeletonPasses, CallTheRuntimeInOrder)
{
    Script script;
    script.steps = GetParam().steps;
    script.properties = GetParam().properties;
    ScriptedRuntime runtime(script);
    TestProcedure().run();
    EXPECT_EQ(PassCalls(runtime), GetParam().expected);
}

Step SweepChange(Step step, const char* sweep)
{
    step.properties.push_back({1, 0, PropAcceptSweep, sweep});
    return step;
}

const PassCase passCases[] = {
    {"OpenedFirstRefreshesThenSelects",
     {Event(EvOpened)},
     {},
     {Sweep, "Redisplay(0,0)", "SelectControl(1,0,0)", "control 0 event 515", "EndEventPass(0)"}},
    {"OpenedWhenReadyOnlySelects",
     {Event(EvOpened), Event(EvOpened)},
     {},
     {Sweep, "Redisplay(0,0)", "SelectControl(1,0,0)", "control 0 event 515", "EndEventPass(0)",
      "SelectControl(1,0,0)", "control 0 event 515", "EndEventPass(0)"}},
    {"FocusBeforeOpenedRefreshesOnce",
     {Event(EvFocusGained), Event(EvOpened)},
     {},
     {Sweep, "Redisplay(0,0)", "control 0 event 518", "EndEventPass(0)", "SelectControl(1,0,0)",
      "control 0 event 515", "EndEventPass(0)"}},
    {"FocusWhenReadyRefreshes",
     {Event(EvOpened), Event(EvFocusGained)},
     {},
     {Sweep, "Redisplay(0,0)", "SelectControl(1,0,0)", "control 0 event 515", "EndEventPass(0)", Sweep,
      "Redisplay(0,0)", "control 0 event 518", "EndEventPass(0)"}},
    {"ResizedRefreshesWithoutMakingReady",
     {Event(EvResized), Event(EvOpened)},
     {},
     {Sweep, "Redisplay(0,0)", "control 0 event 561", "EndEventPass(0)", Sweep, "Redisplay(0,0)",
      "SelectControl(1,0,0)", "control 0 event 515", "EndEventPass(0)"}},
    {"AcceptSweepSuppressesRedisplayButSetsReady",
     {Event(EvOpened), SweepChange(Event(EvOpened), "0"), Event(EvResized)},
     {{1, 0, PropAcceptSweep, "1"}},
     {Sweep, "SelectControl(1,0,0)", "control 0 event 515", "EndEventPass(0)", "SelectControl(1,0,0)",
      "control 0 event 515", "EndEventPass(0)", Sweep, "Redisplay(0,0)", "control 0 event 561",
      "EndEventPass(0)"}},
    {"AcceptSweepSuppressesFocusRefresh",
     {Event(EvOpened), SweepChange(Event(EvFocusGained), "1")},
     {},
     {Sweep, "Redisplay(0,0)", "SelectControl(1,0,0)", "control 0 event 515", "EndEventPass(0)", Sweep,
      "control 0 event 518", "EndEventPass(0)"}},
    {"RejectedBeepsRedrawsSelectsThenControlHandling",
     {Event(EvRejected, 2)},
     {},
     {"Beep(150,16)", "Redisplay(2,0)", "SelectControl(2,0,0)", "control 2 event 26", "EndEventPass(0)"}},
    {"OwnCaseWithCycleFlagSkipsControlHandling",
     {Event(EvOwnCycle, 3), Event(EvAccepted, 3)},
     {},
     {"EndEventPass(1)", "control 3 event 1", "EndEventPass(0)"}},
    {"OtherEventGoesToControlHandlingOnly",
     {Event(EvPointerIn, 2)},
     {},
     {"control 2 event 11", "EndEventPass(0)"}},
};

INSTANTIATE_TEST_SUITE_P(Skeleton, SkeletonPasses, testing::ValuesIn(passCases),
                         [](const testing::TestParamInfo<PassCase>& info) { return info.param.name; });

TEST(Skeleton, OpensBeforeTheLoopAndLeavesInOrder)
{
    Script script;
    script.steps = {Event(EvAccepted, 1)};
    ScriptedRuntime runtime(script);
    TestProcedure().run();
    const std::vector<std::string> expected{
        "PrepareChildWindow(TestKey,TestLabel)", "PushBindScope(0)", "LastKeyCode()", "OpenWindow(1)",
        "open additions", "BeginEventLoop()", "control 1 event 1", "EndEventPass(0)", "CloseWindow(1)",
        "PopBindScope()", "FinishEventLoops(0)", "ReleaseWindow(1)", "own releases"};
    EXPECT_EQ(runtime.calls(), expected);
}

TEST(Skeleton, FinishWithWindowNotOpenSkipsCloseWindow)
{
    Script script;
    script.steps = {Event(EvAccepted, 1)};
    ScriptedRuntime runtime(script);
    TestProcedure procedure;
    procedure.clearOpenFlag = true;
    procedure.run();
    const std::vector<std::string> expected{"PopBindScope()", "FinishEventLoops(0)", "ReleaseWindow(1)",
                                            "own releases"};
    EXPECT_EQ(LeavingCalls(runtime), expected);
}

TEST(Skeleton, FinishProcedureAbandonsThePassAndGoesToTheTail)
{
    Script script;
    script.steps = {Event(EvOwnFinish, 2), Event(EvOpened)};
    ScriptedRuntime runtime(script);
    TestProcedure().run();
    const std::vector<std::string> expected{
        "PrepareChildWindow(TestKey,TestLabel)", "PushBindScope(0)", "LastKeyCode()", "OpenWindow(1)",
        "open additions", "BeginEventLoop()", "CloseWindow(1)", "PopBindScope()", "FinishEventLoops(0)",
        "ReleaseWindow(1)", "own releases"};
    EXPECT_EQ(runtime.calls(), expected);
}

struct KeyCodeCase {
    std::int32_t before;
    std::int32_t after;
    std::vector<std::string> opening;
};

class SkeletonKeyCode : public testing::TestWithParam<KeyCodeCase> {};

TEST_P(SkeletonKeyCode, OnlyTheRightButtonIsReset)
{
    Script script;
    script.lastKeyCode = GetParam().before;
    script.steps = {Event(EvOpened)};
    ScriptedRuntime runtime(script);
    TestProcedure().run();
    EXPECT_EQ(OpeningCalls(runtime), GetParam().opening);
    EXPECT_EQ(runtime.lastKeyCode(), GetParam().after);
}

const std::vector<std::string> plainOpening{"PrepareChildWindow(TestKey,TestLabel)", "PushBindScope(0)",
                                            "LastKeyCode()", "OpenWindow(1)", "open additions",
                                            "BeginEventLoop()"};

INSTANTIATE_TEST_SUITE_P(
    Skeleton, SkeletonKeyCode,
    testing::Values(KeyCodeCase{2, 0,
                                {"PrepareChildWindow(TestKey,TestLabel)", "PushBindScope(0)", "LastKeyCode()",
                                 "SetLastKeyCode(0)", "OpenWindow(1)", "open additions", "BeginEventLoop()"}},
                    KeyCodeCase{0, 0, plainOpening}, KeyCodeCase{1, 1, plainOpening},
                    KeyCodeCase{3, 3, plainOpening}, KeyCodeCase{-2, -2, plainOpening}));

} // namespace
} // namespace dirdock::scripted
