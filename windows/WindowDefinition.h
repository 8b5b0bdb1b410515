#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

namespace dirdock {

// A position or size that a definition leaves to the runtime.
inline constexpr int NotGiven = std::numeric_limits<int>::min();

enum class ControlKind { Prompt, Entry, Button, List, Region };

// The kind of procedure variable a control shows.
enum class VariableKind { None, Text255, Queue };

enum class StandardAction : int {
    None = 0,
    WindowList = 1,
    Tile = 2,
    Cascade = 3,
    ArrangeIcons = 4,
    HelpContents = 5,
    HelpOnHelp = 6,
    HelpSearch = 7,
    Cut = 10,
    Copy = 11,
    Paste = 12,
    Close = 15,
    PrintSetup = 16,
};

struct FontDefinition {
    std::string_view typeface;
    int points;
};

struct ControlDefinition {
    ControlKind kind;
    int number;
    int x, y, width, height;
    std::string_view text;
    std::string_view tooltip;
    std::string_view message;    // status-bar message
    std::string_view icon;       // image file name, as the definition names it
    std::string_view picture;    // display picture of an entry
    std::string_view listFormat; // format text of a list
    VariableKind variable = VariableKind::None;
    int values[2] = {0, 0};      // two small values a region carries
};

enum class MenuEntryKind { Menu, Item, Separator };

// Menus and their items in display order: a Menu entry opens a menu, and the
// Item and Separator entries after it belong to it.
struct MenuEntry {
    MenuEntryKind kind;
    int number;
    std::string_view text;
    std::string_view message;
    StandardAction action;
};

enum class WindowKind { Frame, Child };

struct WindowDefinition {
    std::string_view key;
    std::string_view label;
    WindowKind kind;
    std::string_view caption;
    FontDefinition font;
    int x, y, width, height;
    std::string_view icon;      // image file name or empty
    std::string_view wallpaper; // image file name or empty
    std::span<const int> statusSections;
    std::span<const MenuEntry> menu;
    std::span<const int> alertedKeys;
    std::span<const ControlDefinition> controls;
};

// The definition named by a key and a window label, or nullptr.
const WindowDefinition* FindWindowDefinition(std::string_view key, std::string_view label);

// All definitions the program carries.
std::span<const WindowDefinition* const> AllWindowDefinitions();

} // namespace dirdock
