#include <gtest/gtest.h>

#include "ListerScripts.h"

namespace dirdock::scripted {
namespace {

// Header presses that leave sortState at the given value from 0.
std::vector<Step> PressesToState(int state)
{
    std::vector<Step> steps;
    if (state == 0)
        return steps;
    const std::string column = std::to_string((state + 1) / 2);
    Append(steps, HeaderPress(column));
    if (state % 2 == 0)
        Append(steps, HeaderPress(column));
    return steps;
}

std::string SortCall(int key)
{
    return "QueueSort(ListEntries," + std::to_string(key) + ")";
}

struct Transition {
    int state;
    int key;
};

// New state and key of a press on columns 1 to 5, for each state 0 to 10.
const Transition transitions[11][5] = {
    {{1, +1}, {3, +2}, {5, +3}, {7, +4}, {9, +5}},  {{2, -1}, {3, +2}, {5, +3}, {7, +4}, {9, +5}},
    {{1, +1}, {3, +2}, {5, +3}, {7, +4}, {9, +5}},  {{1, +1}, {4, -2}, {5, +3}, {7, +4}, {9, +5}},
    {{1, +1}, {3, +2}, {5, +3}, {7, +4}, {9, +5}},  {{1, +1}, {3, +2}, {6, -3}, {7, +4}, {9, +5}},
    {{1, +1}, {3, +2}, {5, +3}, {7, +4}, {9, +5}},  {{1, +1}, {3, +2}, {5, +3}, {8, -4}, {9, +5}},
    {{1, +1}, {3, +2}, {5, +3}, {7, +4}, {9, +5}},  {{1, +1}, {3, +2}, {5, +3}, {7, +4}, {10, -5}},
    {{1, +1}, {3, +2}, {5, +3}, {7, +4}, {9, +5}},
};

class HeaderSortTransitions : public testing::TestWithParam<std::tuple<int, int>> {};

// The new state shows in the next press on every column: descending only
// on the column the state names ascending.
TEST_P(HeaderSortTransitions, SortAndKeepTheNewState)
{
    const auto [state, column] = GetParam();
    const Transition expected = transitions[state][column - 1];
    std::vector<Step> steps = PressesToState(state);
    Append(steps, HeaderPress(std::to_string(column)));
    for (int probe = 1; probe <= 5; ++probe) {
        Script script = ListerScript(steps);
        Append(script.steps, HeaderPress(std::to_string(probe)));
        auto runtime = RunLister(script);
        const std::vector<std::string> sorts = runtime->callsStartingWith("QueueSort(");
        ASSERT_GE(sorts.size(), 2u);
        EXPECT_EQ(sorts[sorts.size() - 2], SortCall(expected.key));
        const bool probeDescends = expected.state == 2 * probe - 1;
        EXPECT_EQ(sorts.back(), SortCall(probeDescends ? -probe : probe)) << "probe column " << probe;
    }
}

INSTANTIATE_TEST_SUITE_P(ColumnSort, HeaderSortTransitions,
                         testing::Combine(testing::Range(0, 11), testing::Range(1, 6)),
                         [](const testing::TestParamInfo<std::tuple<int, int>>& info) {
                             return "State" + std::to_string(std::get<0>(info.param)) + "Column" +
                                    std::to_string(std::get<1>(info.param));
                         });

TEST(ColumnSort, HeaderPressSortsMarksTheRowAndRedrawsTheList)
{
    auto runtime = RunLister(ListerScript(HeaderPress("5")));
    const std::vector<std::string> expected{"EndEventPass(1)",
                                            "GetProperty(0,4,PropClickRow)",
                                            "GetProperty(0,4,PropClickColumn)",
                                            "QueueSort(ListEntries,5)",
                                            "SetProperty(0,4,PropClickRow,1)",
                                            "Redisplay(4,0)",
                                            "EndEventPass(0)"};
    EXPECT_EQ(PassCalls(*runtime), expected);
}

class HeaderTextsOutsideTheColumns : public testing::TestWithParam<std::string> {};

TEST_P(HeaderTextsOutsideTheColumns, SortNothingAndKeepTheState)
{
    std::vector<Step> steps = HeaderPress("1");
    Append(steps, HeaderPress(GetParam()));
    Append(steps, HeaderPress("1"));
    auto runtime = RunLister(ListerScript(steps));
    const std::vector<std::string> expected{"EndEventPass(1)",
                                            "GetProperty(0,4,PropClickRow)",
                                            "GetProperty(0,4,PropClickColumn)",
                                            "SetProperty(0,4,PropClickRow,1)",
                                            "Redisplay(4,0)",
                                            "EndEventPass(0)"};
    std::vector<std::string> badPress = PassCalls(*runtime, 2);
    const std::vector<std::string> alerted = PassCalls(*runtime, 3);
    badPress.insert(badPress.end(), alerted.begin(), alerted.end());
    EXPECT_EQ(badPress, expected);
    EXPECT_EQ(runtime->callsStartingWith("QueueSort("), (std::vector<std::string>{SortCall(1), SortCall(-1)}));
}

INSTANTIATE_TEST_SUITE_P(ColumnSort, HeaderTextsOutsideTheColumns,
                         testing::Values("", "0", "6", "10", "-1", "+1", "01", " 1", "1 ", "1.0", "one"));

TEST(ColumnSort, PressOnARowIsLeftToTheRuntime)
{
    auto runtime = RunLister(ListerScript(Press("3", "2")));
    const std::vector<std::string> expected{"EndEventPass(1)", "GetProperty(0,4,PropClickRow)",
                                            "EndEventPass(0)"};
    EXPECT_EQ(PassCalls(*runtime), expected);
}

TEST(ColumnSort, PressElsewhereAfterAHeaderPressSortsNothing)
{
    std::vector<Step> steps = HeaderPress("2");
    steps.push_back(Event(EvKeyPreAlert, 2));
    steps.push_back(Event(EvKeyAlerted, 2));
    auto runtime = RunLister(ListerScript(steps));
    const std::vector<std::string> expected{"GetProperty(0,4,PropClickRow)", "EndEventPass(0)"};
    EXPECT_EQ(PassCalls(*runtime, 3), expected);
    EXPECT_EQ(runtime->callsStartingWith("QueueSort("), std::vector<std::string>{SortCall(2)});
}

TEST(ColumnSort, StateSurvivesANewListing)
{
    std::vector<Step> steps = HeaderPress("5");
    Append(steps, HeaderPress("5"));
    steps.push_back(Browse("/nonexistent-dirdock/"));
    Append(steps, HeaderPress("5"));
    Append(steps, HeaderPress("1"));
    steps.push_back(Browse());
    Append(steps, HeaderPress("1"));
    auto runtime = RunLister(ListerScript(steps));
    const std::vector<std::string> expected{SortCall(5), SortCall(-5), SortCall(1), SortCall(5),
                                            SortCall(1), SortCall(1),  SortCall(-1)};
    EXPECT_EQ(runtime->callsStartingWith("QueueSort("), expected);
}

TEST(ColumnSort, EachWindowStartsUnsorted)
{
    auto first = RunLister(ListerScript(HeaderPress("5")));
    first.reset();
    auto second = RunLister(ListerScript(HeaderPress("5")));
    EXPECT_EQ(second->callsStartingWith("QueueSort("), std::vector<std::string>{SortCall(5)});
}

class SortedDirectory : public testing::Test {
protected:
    void SetUp() override
    {
        directory.write("apple.txt", 30, 1600000000 + 2 * 86400);
        directory.write("banana.txt", 10, 1600000000 + 3 * 86400);
        directory.write("cherry.txt", 20, 1600000000 + 1 * 86400);
    }

    std::vector<Step> listing() const { return {Browse(directory.path().string() + "/")}; }

    TemporaryDirectory directory;
};

TEST_F(SortedDirectory, HeaderPressesReorderTheShownList)
{
    struct Case {
        std::vector<std::string> presses;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {{"5"}, {"banana.txt", "cherry.txt", "apple.txt"}},
        {{"5", "5"}, {"apple.txt", "cherry.txt", "banana.txt"}},
        {{"3"}, {"cherry.txt", "apple.txt", "banana.txt"}},
        {{"5", "3", "5"}, {"banana.txt", "cherry.txt", "apple.txt"}},
        {{"1"}, {"apple.txt", "banana.txt", "cherry.txt"}},
        {{"1", "1"}, {"cherry.txt", "banana.txt", "apple.txt"}},
    };
    for (const Case& c : cases) {
        std::vector<Step> steps = listing();
        for (const std::string& column : c.presses)
            Append(steps, HeaderPress(column));
        auto runtime = RunLister(ListerScript(steps));
        EXPECT_EQ(ShownNames(*runtime, FileList), c.names) << testing::PrintToString(c.presses);
    }
}

TEST_F(SortedDirectory, HeaderPressOnAnEmptyListKeepsItsStateForTheListing)
{
    std::vector<Step> steps = HeaderPress("5");
    Append(steps, listing());
    Append(steps, HeaderPress("5"));
    auto runtime = RunLister(ListerScript(steps));
    EXPECT_EQ(runtime->callsStartingWith("QueueSort("),
              (std::vector<std::string>{SortCall(5), SortCall(1), SortCall(-5)}));
    EXPECT_EQ(ShownNames(*runtime, FileList), (std::vector<std::string>{"apple.txt", "cherry.txt", "banana.txt"}));
}

} // namespace
} // namespace dirdock::scripted
