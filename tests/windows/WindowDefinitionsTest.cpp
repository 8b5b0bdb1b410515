#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "runtime/data/ListFormat.h"
#include "windows/Images.h"
#include "windows/WindowDefinition.h"

namespace dirdock {
namespace {

constexpr std::string_view FrameKey = "Kestrova$KSTRV001";
constexpr std::string_view ToolbarKey = "Kestrova$KSTRV002";
constexpr std::string_view DirectoryKey = "Kestrova$KSTRV003";
constexpr std::string_view FrameLabel = "P1$APPFRAME";
constexpr std::string_view ChildLabel = "P1$WINDOW";

const WindowDefinition& Definition(std::string_view key, std::string_view label)
{
    const WindowDefinition* definition = FindWindowDefinition(key, label);
    if (definition == nullptr)
        throw std::runtime_error("no definition " + std::string(key) + " " + std::string(label));
    return *definition;
}

struct LookupCase {
    std::string_view key;
    std::string_view label;
    std::string_view caption; // empty: no definition expected
};

TEST(WindowDefinitionLookup, ThePairOfKeyAndLabelNamesOneWindow)
{
    const LookupCase cases[] = {
        {FrameKey, FrameLabel, "Docking Toolbar and Long Filename directory demo"},
        {ToolbarKey, ChildLabel, "Caption"},
        {DirectoryKey, ChildLabel, "Directory"},
        // A known label with another window's key names nothing.
        {FrameKey, ChildLabel, ""},
        {ToolbarKey, FrameLabel, ""},
        {DirectoryKey, FrameLabel, ""},
        {"Kestrova$KSTRV004", ChildLabel, ""},
        {"", ChildLabel, ""},
        {DirectoryKey, "", ""},
        {"", "", ""},
        // Keys and labels match exactly, not by case or prefix.
        {"kestrova$kstrv003", ChildLabel, ""},
        {DirectoryKey, "p1$window", ""},
        {"Kestrova$KSTRV00", ChildLabel, ""},
        {"Kestrova$KSTRV0033", ChildLabel, ""},
        {DirectoryKey, "P1$WINDOW ", ""},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " / " + std::string(c.label));
        const WindowDefinition* definition = FindWindowDefinition(c.key, c.label);
        if (c.caption.empty()) {
            EXPECT_EQ(definition, nullptr);
            continue;
        }
        ASSERT_NE(definition, nullptr);
        EXPECT_EQ(definition->key, c.key);
        EXPECT_EQ(definition->label, c.label);
        EXPECT_EQ(definition->caption, c.caption);
    }
}

TEST(WindowDefinitionLookup, EveryCarriedDefinitionIsFoundByItsOwnPairAndNoPairTwice)
{
    std::set<std::pair<std::string_view, std::string_view>> pairs;
    for (const WindowDefinition* definition : AllWindowDefinitions()) {
        ASSERT_NE(definition, nullptr);
        EXPECT_EQ(FindWindowDefinition(definition->key, definition->label), definition);
        EXPECT_TRUE(pairs.insert({definition->key, definition->label}).second) << definition->key;
    }
    const std::set<std::pair<std::string_view, std::string_view>> expected = {
        {FrameKey, FrameLabel}, {ToolbarKey, ChildLabel}, {DirectoryKey, ChildLabel}};
    EXPECT_EQ(pairs, expected);
}

struct WindowCase {
    std::string_view key;
    std::string_view label;
    WindowKind kind;
    std::string_view caption;
    int x, y, width, height;
    std::string_view icon;
    std::string_view wallpaper;
    std::vector<int> statusSections;
    std::vector<int> alertedKeys;
    std::size_t controls;
    bool hasMenu;
};

TEST(WindowDefinitions, WindowAttributes)
{
    const WindowCase cases[] = {
        {FrameKey, FrameLabel, WindowKind::Frame, "Docking Toolbar and Long Filename directory demo",
         NotGiven, NotGiven, 400, 283, "", "", {-1, 80, 120, 45}, {}, 0, true},
        {ToolbarKey, ChildLabel, WindowKind::Child, "Caption", 0, 0, 32, 289, "", "tbbg.bmp", {}, {}, 2, false},
        {DirectoryKey, ChildLabel, WindowKind::Child, "Directory", NotGiven, NotGiven, 337, 188, "fromdisk.ico", "",
         {}, {1}, 4, false},
    };
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.key);
        const WindowDefinition& w = Definition(c.key, c.label);
        EXPECT_EQ(w.kind, c.kind);
        EXPECT_EQ(w.caption, c.caption);
        EXPECT_EQ(w.font.typeface, "Arial");
        EXPECT_EQ(w.font.points, 8);
        EXPECT_EQ(w.x, c.x);
        EXPECT_EQ(w.y, c.y);
        EXPECT_EQ(w.width, c.width);
        EXPECT_EQ(w.height, c.height);
        EXPECT_EQ(w.icon, c.icon);
        EXPECT_EQ(w.wallpaper, c.wallpaper);
        EXPECT_EQ(std::vector<int>(w.statusSections.begin(), w.statusSections.end()), c.statusSections);
        EXPECT_EQ(std::vector<int>(w.alertedKeys.begin(), w.alertedKeys.end()), c.alertedKeys);
        EXPECT_EQ(w.controls.size(), c.controls);
        EXPECT_EQ(!w.menu.empty(), c.hasMenu);
    }
}

constexpr std::string_view ListFormatText =
    "117L(1)|M~Long filename~S(200)@s255@62L(1)|M~Short filename~@s13@45R(1)|M~Date~L@d6-@"
    "42R(1)|~Time~L@t8@56R(1)~Size~L@n-14@";

struct ControlCase {
    std::string_view key;
    ControlKind kind;
    int number;
    int x, y, width, height;
    std::string_view text;
    std::string_view tooltip;
    std::string_view message;
    std::string_view icon;
    std::string_view picture;
    std::string_view listFormat;
    VariableKind variable;
    int value0, value1;
};

TEST(WindowDefinitions, ControlsInDefinitionOrder)
{
    using enum ControlKind;
    using enum VariableKind;
    const ControlCase cases[] = {
        {ToolbarKey, Button, 1, 1, 2, 17, 16, "", "Directory lister", "", "director.ico", "", "", None, 0, 0},
        {ToolbarKey, Region, 2, -9, -11, NotGiven, NotGiven, "", "", "", "", "", "", None, 1, -1},
        {DirectoryKey, Prompt, 1, 4, 10, NotGiven, NotGiven, "Path:", "", "", "", "", "", None, 0, 0},
        {DirectoryKey, Entry, 2, 22, 10, 259, 10, "", "", "", "", "s255", "", Text255, 0, 0},
        {DirectoryKey, Button, 3, 283, 10, 10, 10, "", "", "", "Pilned.ico", "", "", None, 0, 0},
        {DirectoryKey, List, 4, 4, 27, 327, 157, "", "", "Bladre i posterne", "", "", ListFormatText, Queue, 0, 0},
    };
    for (const ControlCase& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " control " + std::to_string(c.number));
        const WindowDefinition& w = Definition(c.key, ChildLabel);
        ASSERT_LE(static_cast<std::size_t>(c.number), w.controls.size());
        const ControlDefinition& control = w.controls[static_cast<std::size_t>(c.number) - 1];
        EXPECT_EQ(control.kind, c.kind);
        EXPECT_EQ(control.number, c.number);
        EXPECT_EQ(control.x, c.x);
        EXPECT_EQ(control.y, c.y);
        EXPECT_EQ(control.width, c.width);
        EXPECT_EQ(control.height, c.height);
        EXPECT_EQ(control.text, c.text);
        EXPECT_EQ(control.tooltip, c.tooltip);
        EXPECT_EQ(control.message, c.message);
        EXPECT_EQ(control.icon, c.icon);
        EXPECT_EQ(control.picture, c.picture);
        EXPECT_EQ(control.listFormat, c.listFormat);
        EXPECT_EQ(control.variable, c.variable);
        EXPECT_EQ(control.values[0], c.value0);
        EXPECT_EQ(control.values[1], c.value1);
    }
}

TEST(WindowDefinitions, FrameHasNoControls)
{
    EXPECT_TRUE(Definition(FrameKey, FrameLabel).controls.empty());
}

struct MenuRow {
    MenuEntryKind kind;
    int number;
    std::string_view text;
    std::string_view message;
    StandardAction action;
};

TEST(WindowDefinitions, FrameMenuRowsInDisplayOrder)
{
    using enum MenuEntryKind;
    using enum StandardAction;
    const MenuRow rows[] = {
        {Menu, -1, "&File", "", None},
        {Item, -2, "&Print Setup ...", "Setup printer", PrintSetup},
        {Separator, 0, "", "", None},
        {Item, -3, "E&xit", "Exit this application", Close},
        {Menu, -4, "&Edit", "", None},
        {Item, -5, "Cu&t", "Remove item to Windows Clipboard", Cut},
        {Item, -6, "&Copy", "Copy item to Windows Clipboard", Copy},
        {Item, -7, "&Paste", "Paste contents of Windows Clipboard", Paste},
        {Menu, 0, "&Window", "Create and Arrange windows", WindowList},
        {Item, -8, "T&ile", "Make all open windows visible", Tile},
        {Item, -9, "&Cascade", "Stack all open windows", Cascade},
        {Item, -10, "&Arrange Icons", "Align all window icons", ArrangeIcons},
        {Menu, 0, "&Help", "Windows Help", None},
        {Item, -11, "&Contents", "View the contents of the help file", HelpContents},
        {Item, -12, "&Search for Help On...", "Search for help on a subject", HelpSearch},
        {Item, -13, "&How to Use Help", "How to use Windows Help", HelpOnHelp},
    };
    const auto menu = Definition(FrameKey, FrameLabel).menu;
    ASSERT_EQ(menu.size(), std::size(rows));
    for (std::size_t i = 0; i < menu.size(); ++i) {
        SCOPED_TRACE(rows[i].text.empty() ? "separator" : std::string(rows[i].text));
        EXPECT_EQ(menu[i].kind, rows[i].kind);
        EXPECT_EQ(menu[i].number, rows[i].number);
        EXPECT_EQ(menu[i].text, rows[i].text);
        EXPECT_EQ(menu[i].message, rows[i].message);
        EXPECT_EQ(menu[i].action, rows[i].action);
    }
}

// The standard action codes are what the runtime acts on, so they keep
// their numbers.
TEST(WindowDefinitions, StandardActionCodes)
{
    const std::pair<StandardAction, int> codes[] = {
        {StandardAction::None, 0},          {StandardAction::WindowList, 1},   {StandardAction::Tile, 2},
        {StandardAction::Cascade, 3},       {StandardAction::ArrangeIcons, 4}, {StandardAction::HelpContents, 5},
        {StandardAction::HelpOnHelp, 6},    {StandardAction::HelpSearch, 7},   {StandardAction::Cut, 10},
        {StandardAction::Copy, 11},         {StandardAction::Paste, 12},       {StandardAction::Close, 15},
        {StandardAction::PrintSetup, 16},
    };
    for (const auto& [action, code] : codes)
        EXPECT_EQ(static_cast<int>(action), code);
}

// The list's format text, read column by column, gives the column table.
TEST(WindowDefinitions, DirectoryListColumns)
{
    struct Column {
        int width;
        char data;
        int indent;
        bool rightLine;
        bool resizable;
        std::string_view header;
        char headerAlignment;
        int scrollWidth;
        std::string_view picture;
    };
    const Column expected[] = {
        {117, 'L', 1, true, true, "Long filename", 0, 200, "s255"},
        {62, 'L', 1, true, true, "Short filename", 0, 0, "s13"},
        {45, 'R', 1, true, true, "Date", 'L', 0, "d6-"},
        {42, 'R', 1, true, false, "Time", 'L', 0, "t8"},
        {56, 'R', 1, false, false, "Size", 'L', 0, "n-14"},
    };
    const ControlDefinition& list = Definition(DirectoryKey, ChildLabel).controls[3];
    const ListFormat format = ListFormat::parse(list.listFormat);
    ASSERT_FALSE(format.error.has_value()) << format.error->message;
    ASSERT_EQ(format.columns.size(), std::size(expected));
    int total = 0;
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].header);
        const ListColumn& column = format.columns[i];
        EXPECT_EQ(column.width, expected[i].width);
        EXPECT_EQ(column.dataAlignment, expected[i].data);
        EXPECT_EQ(column.indent, expected[i].indent);
        EXPECT_EQ(column.rightLine, expected[i].rightLine);
        EXPECT_EQ(column.resizable, expected[i].resizable);
        EXPECT_EQ(column.header, expected[i].header);
        EXPECT_EQ(column.headerAlignment, expected[i].headerAlignment);
        EXPECT_EQ(column.scrollWidth, expected[i].scrollWidth);
        EXPECT_EQ(column.picture, expected[i].picture);
        total += column.width;
    }
    EXPECT_EQ(total, 322);
    EXPECT_LE(total, list.width);
}

// A definition names its images by file name; each must be carried and
// decode to an image of the form the window expects.
TEST(WindowDefinitions, EveryNamedImageIsCarried)
{
    struct Named {
        std::string_view file;
        int width;
        int height;
    };
    std::vector<Named> named;
    for (const WindowDefinition* w : AllWindowDefinitions()) {
        if (!w->icon.empty())
            named.push_back({w->icon, 32, 32});
        if (!w->wallpaper.empty())
            named.push_back({w->wallpaper, 50, 600});
        for (const ControlDefinition& control : w->controls) {
            if (!control.icon.empty())
                named.push_back({control.icon, 32, 32});
        }
    }
    ASSERT_EQ(named.size(), 4u);
    for (const Named& n : named) {
        SCOPED_TRACE(n.file);
        const DecodedImage image = DecodeImage(FindStoredImage(StoredImageName(n.file)));
        EXPECT_EQ(image.width, n.width);
        EXPECT_EQ(image.height, n.height);
    }
}

} // namespace
} // namespace dirdock
