#include <gtest/gtest.h>

#include "ProcedureScripts.h"
#include "core/ModuleInitialiser.h"

namespace dirdock::scripted {
namespace {

TEST(ProgramEntry, RefusedVersionEndsAtOnce)
{
    Script script;
    script.startRuntimeResult = 0;
    script.steps = {Event(EvOpened)};
    ScriptedRuntime runtime(script);
    EXPECT_EQ(RunProgram(), 0);
    const std::vector<std::string> expected{"StartRuntime(dirdock,260)", "InitialiseModule()"};
    EXPECT_EQ(runtime.calls(), expected);
}

TEST(ProgramEntry, RunsTheFrameBetweenEnterAndCloseDown)
{
    Script script;
    script.startRuntimeResult = 260;
    script.steps = {Event(EvOpened)};
    ScriptedRuntime runtime(script);
    EXPECT_EQ(RunProgram(), 0);
    const std::vector<std::string> calls = runtime.calls();
    ASSERT_GE(calls.size(), 5u);
    const std::vector<std::string> start(calls.begin(), calls.begin() + 4);
    const std::vector<std::string> expectedStart{"StartRuntime(dirdock,260)", "InitialiseModule()",
                                                 "EnterProgramCode()",
                                                 "PrepareFrameWindow(Kestrova$KSTRV001,P1$APPFRAME)"};
    EXPECT_EQ(start, expectedStart);
    EXPECT_EQ(calls[calls.size() - 2], "ReleaseWindow(1)");
    EXPECT_EQ(calls.back(), "CloseDownRuntime()");
}

class ModuleInitialiserPhases : public testing::TestWithParam<std::pair<std::int32_t, bool>> {};

TEST_P(ModuleInitialiserPhases, InitialisesAtPhaseZeroOnly)
{
    ScriptedRuntime runtime(Script{});
    ModuleInitialiser(GetParam().first);
    EXPECT_EQ(runtime.calls().size(), GetParam().second ? 1u : 0u);
    EXPECT_EQ(runtime.callsStartingWith("InitialiseModule()").size(), GetParam().second ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(ProgramEntry, ModuleInitialiserPhases,
                         testing::Values(std::pair{0, true}, std::pair{1, false}, std::pair{2, false},
                                         std::pair{-1, false}));

TEST(ProgramEntry, DescriptorRegistersTheInitialiser)
{
    EXPECT_EQ(ProgramDescriptor.moduleInitialiser, &ModuleInitialiser);
}

struct NumberCase {
    const char* text;
    std::int32_t number;
};

class PropertyNumbers : public testing::TestWithParam<NumberCase> {};

TEST_P(PropertyNumbers, ReadAsNumber)
{
    EXPECT_EQ(ToNumber(GetParam().text), GetParam().number) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    ProgramEntry, PropertyNumbers,
    testing::Values(NumberCase{"283", 283}, NumberCase{"   42", 42}, NumberCase{"+7", 7}, NumberCase{"-3", -3},
                    NumberCase{"0", 0}, NumberCase{"12  ", 12}, NumberCase{"", 0}, NumberCase{"   ", 0},
                    NumberCase{"abc", 0}, NumberCase{"+", 0}, NumberCase{"-", 0}, NumberCase{"+-5", 0},
                    NumberCase{"--5", 0}, NumberCase{"++5", 0}, NumberCase{"2147483647", 2147483647},
                    NumberCase{"-2147483648", -2147483647 - 1}, NumberCase{"2147483648", 0},
                    NumberCase{"99999999999", 0}));

} // namespace
} // namespace dirdock::scripted
