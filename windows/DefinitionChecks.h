#pragma once

#include <initializer_list>
#include <span>
#include <string_view>

#include "windows/WindowDefinition.h"

// Compile-time checks of the rules every definition keeps, used in
// static_assert next to the data so a slip in a table fails the build.
namespace dirdock::checks {

// Controls carry the numbers 1, 2, 3, ... in definition order.
constexpr bool ControlsNumberedInOrder(std::span<const ControlDefinition> controls)
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].number != static_cast<int>(i) + 1)
            return false;
    }
    return true;
}

// Numbered menu entries carry -1, -2, -3, ... in definition order, and a
// separator carries 0.
constexpr bool MenuNumbersInOrder(std::span<const MenuEntry> menu)
{
    int next = -1;
    for (const MenuEntry& entry : menu) {
        if (entry.kind == MenuEntryKind::Separator && entry.number != 0)
            return false;
        if (entry.number == 0)
            continue;
        if (entry.number != next)
            return false;
        --next;
    }
    return true;
}

constexpr int LowestMenuNumber(std::span<const MenuEntry> menu)
{
    int lowest = 0;
    for (const MenuEntry& entry : menu)
        lowest = entry.number < lowest ? entry.number : lowest;
    return lowest;
}

// The menu bar opens with a menu, and each menu holds the number of
// entries given, in order.
constexpr bool MenusHoldEntries(std::span<const MenuEntry> menu, std::initializer_list<int> entryCounts)
{
    std::size_t at = 0;
    for (int count : entryCounts) {
        if (at >= menu.size() || menu[at].kind != MenuEntryKind::Menu)
            return false;
        ++at;
        for (int i = 0; i < count; ++i, ++at) {
            if (at >= menu.size() || menu[at].kind == MenuEntryKind::Menu)
                return false;
        }
    }
    return at == menu.size();
}

// The controls that expect a bound variable, in definition order, expect
// exactly the kinds given.
constexpr bool BoundVariablesAre(std::span<const ControlDefinition> controls,
                                 std::initializer_list<VariableKind> kinds)
{
    auto expected = kinds.begin();
    for (const ControlDefinition& control : controls) {
        if (control.variable == VariableKind::None)
            continue;
        if (expected == kinds.end() || control.variable != *expected)
            return false;
        ++expected;
    }
    return expected == kinds.end();
}

// The sum of the column widths of a list format text: each column's part
// opens with its width and ends with the closing "@" of its picture.
constexpr int ListFormatWidth(std::string_view format)
{
    int total = 0;
    int atSigns = 0;
    bool atColumnStart = true;
    int width = 0;
    for (char c : format) {
        if (atColumnStart && c >= '0' && c <= '9') {
            width = width * 10 + (c - '0');
            continue;
        }
        if (atColumnStart) {
            total += width;
            width = 0;
            atColumnStart = false;
        }
        if (c == '@' && ++atSigns % 2 == 0)
            atColumnStart = true;
    }
    return total + width;
}

} // namespace dirdock::checks
