// The compile-time checks guard the definitions only if they reject the
// slips they are meant to catch, so they are tried here on bad tables.

#include <gtest/gtest.h>

#include <vector>

#include "windows/DefinitionChecks.h"

namespace dirdock {
namespace {

using enum MenuEntryKind;
using checks::BoundVariablesAre;
using checks::ControlsNumberedInOrder;
using checks::ListFormatWidth;
using checks::MenuNumbersInOrder;
using checks::MenusHoldEntries;

ControlDefinition Control(int number, VariableKind variable = VariableKind::None)
{
    ControlDefinition control{};
    control.kind = ControlKind::Button;
    control.number = number;
    control.variable = variable;
    return control;
}

MenuEntry Entry(MenuEntryKind kind, int number)
{
    return {kind, number, "", "", StandardAction::None};
}

TEST(DefinitionChecks, ControlNumbering)
{
    struct Case {
        std::vector<int> numbers;
        bool inOrder;
    };
    const Case cases[] = {
        {{}, true},
        {{1}, true},
        {{1, 2, 3, 4}, true},
        {{0}, false},
        {{2}, false},
        {{1, 3}, false},
        {{2, 1}, false},
        {{1, 1}, false},
        {{1, 2, -3}, false},
    };
    for (const Case& c : cases) {
        std::vector<ControlDefinition> controls;
        for (int number : c.numbers)
            controls.push_back(Control(number));
        EXPECT_EQ(ControlsNumberedInOrder(controls), c.inOrder) << ::testing::PrintToString(c.numbers);
    }
}

TEST(DefinitionChecks, MenuNumbering)
{
    struct Case {
        const char* name;
        std::vector<MenuEntry> menu;
        bool inOrder;
    };
    const Case cases[] = {
        {"empty", {}, true},
        {"counting down", {Entry(Menu, -1), Entry(Item, -2), Entry(Item, -3)}, true},
        {"unnumbered menu and separator skipped",
         {Entry(Menu, -1), Entry(Separator, 0), Entry(Item, -2), Entry(Menu, 0), Entry(Item, -3)}, true},
        {"numbered separator", {Entry(Menu, -1), Entry(Separator, -2), Entry(Item, -3)}, false},
        {"gap", {Entry(Menu, -1), Entry(Item, -3)}, false},
        {"starts below -1", {Entry(Menu, -2), Entry(Item, -3)}, false},
        {"positive number", {Entry(Menu, 1)}, false},
        {"repeated", {Entry(Menu, -1), Entry(Item, -1)}, false},
        {"swapped", {Entry(Menu, -2), Entry(Item, -1)}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MenuNumbersInOrder(c.menu), c.inOrder) << c.name;
}

TEST(DefinitionChecks, MenuShape)
{
    const std::vector<MenuEntry> twoMenus = {Entry(Menu, -1), Entry(Item, -2), Entry(Separator, 0),
                                             Entry(Menu, -3), Entry(Item, -4)};
    EXPECT_TRUE(MenusHoldEntries(twoMenus, {2, 1}));
    EXPECT_FALSE(MenusHoldEntries(twoMenus, {1, 2}));
    EXPECT_FALSE(MenusHoldEntries(twoMenus, {2}));
    EXPECT_FALSE(MenusHoldEntries(twoMenus, {2, 1, 0}));
    EXPECT_FALSE(MenusHoldEntries(twoMenus, {2, 2}));

    const std::vector<MenuEntry> itemFirst = {Entry(Item, -1), Entry(Menu, -2)};
    EXPECT_FALSE(MenusHoldEntries(itemFirst, {0, 0}));
    EXPECT_FALSE(MenusHoldEntries(itemFirst, {1}));
    EXPECT_TRUE(MenusHoldEntries(std::vector<MenuEntry>{}, {}));
}

TEST(DefinitionChecks, BoundVariableOrder)
{
    using enum VariableKind;
    const std::vector<ControlDefinition> textThenQueue = {Control(1), Control(2, Text255), Control(3),
                                                          Control(4, Queue)};
    EXPECT_TRUE(BoundVariablesAre(textThenQueue, {Text255, Queue}));
    EXPECT_FALSE(BoundVariablesAre(textThenQueue, {Queue, Text255}));
    EXPECT_FALSE(BoundVariablesAre(textThenQueue, {Text255}));
    EXPECT_FALSE(BoundVariablesAre(textThenQueue, {Text255, Queue, Queue}));
    EXPECT_FALSE(BoundVariablesAre(textThenQueue, {}));

    const std::vector<ControlDefinition> none = {Control(1), Control(2)};
    EXPECT_TRUE(BoundVariablesAre(none, {}));
    EXPECT_FALSE(BoundVariablesAre(none, {Text255}));
}

TEST(DefinitionChecks, ListFormatWidthAddsEveryColumn)
{
    struct Case {
        std::string_view format;
        int width;
    };
    const Case cases[] = {
        {"", 0},
        {"40L(1)~A~@s5@", 40},
        {"40L(1)~A~@s5@7R(2)|M~B~L@n-14@", 47},
        // Digits inside a picture or a header are not widths.
        {"10L(1)~12~@n-14@20L(0)~B~@d6-@", 30},
        {"117L(1)|M~Long filename~S(200)@s255@62L(1)|M~Short filename~@s13@", 179},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListFormatWidth(c.format), c.width) << c.format;
}

} // namespace
} // namespace dirdock
