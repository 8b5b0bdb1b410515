#include "windows/DefinitionChecks.h"
#include "windows/StoredDefinitions.h"

namespace dirdock {
namespace {

constexpr int FrameStatusSections[] = {-1, 80, 120, 45};

using enum MenuEntryKind;
using enum StandardAction;

constexpr MenuEntry FrameMenu[] = {
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

static_assert(checks::MenuNumbersInOrder(FrameMenu));
static_assert(checks::LowestMenuNumber(FrameMenu) == -13);
static_assert(checks::MenusHoldEntries(FrameMenu, {3, 3, 3, 3}));

} // namespace

constexpr WindowDefinition FrameWindowDefinition{
    .key = "Kestrova$KSTRV001",
    .label = "P1$APPFRAME",
    .kind = WindowKind::Frame,
    .caption = "Docking Toolbar and Long Filename directory demo",
    .font = {"Arial", 8},
    .x = NotGiven,
    .y = NotGiven,
    .width = 400,
    .height = 283,
    .icon = "",
    .wallpaper = "",
    .statusSections = FrameStatusSections,
    .menu = FrameMenu,
    .alertedKeys = {},
    .controls = {},
};

} // namespace dirdock
