#include "windows/DefinitionChecks.h"
#include "windows/StoredDefinitions.h"

namespace dirdock {
namespace {

constexpr int DirectoryAlertedKeys[] = {1}; // the left mouse button

constexpr std::string_view DirectoryListFormat =
    "117L(1)|M~Long filename~S(200)@s255@"
    "62L(1)|M~Short filename~@s13@"
    "45R(1)|M~Date~L@d6-@"
    "42R(1)|~Time~L@t8@"
    "56R(1)~Size~L@n-14@";

constexpr ControlDefinition DirectoryControls[] = {
    {.kind = ControlKind::Prompt, .number = 1,
     .x = 4, .y = 10, .width = NotGiven, .height = NotGiven,
     .text = "Path:", .tooltip = "", .message = "", .icon = "",
     .picture = "", .listFormat = "", .variable = VariableKind::None, .values = {0, 0}},
    {.kind = ControlKind::Entry, .number = 2,
     .x = 22, .y = 10, .width = 259, .height = 10,
     .text = "", .tooltip = "", .message = "", .icon = "",
     .picture = "s255", .listFormat = "", .variable = VariableKind::Text255, .values = {0, 0}},
    {.kind = ControlKind::Button, .number = 3,
     .x = 283, .y = 10, .width = 10, .height = 10,
     .text = "", .tooltip = "", .message = "", .icon = "Pilned.ico",
     .picture = "", .listFormat = "", .variable = VariableKind::None, .values = {0, 0}},
    {.kind = ControlKind::List, .number = 4,
     .x = 4, .y = 27, .width = 327, .height = 157,
     .text = "", .tooltip = "", .message = "Bladre i posterne", .icon = "",
     .picture = "", .listFormat = DirectoryListFormat, .variable = VariableKind::Queue, .values = {0, 0}},
};

static_assert(checks::ControlsNumberedInOrder(DirectoryControls));
static_assert(checks::ListFormatWidth(DirectoryListFormat) <= DirectoryControls[3].width,
              "the columns fit inside the list");
static_assert(checks::BoundVariablesAre(DirectoryControls, {VariableKind::Text255, VariableKind::Queue}));

} // namespace

constexpr WindowDefinition DirectoryWindowDefinition{
    .key = "Kestrova$KSTRV003",
    .label = "P1$WINDOW",
    .kind = WindowKind::Child,
    .caption = "Directory",
    .font = {"Arial", 8},
    .x = NotGiven,
    .y = NotGiven,
    .width = 337,
    .height = 188,
    .icon = "fromdisk.ico",
    .wallpaper = "",
    .statusSections = {},
    .menu = {},
    .alertedKeys = DirectoryAlertedKeys,
    .controls = DirectoryControls,
};

} // namespace dirdock
