#include "windows/DefinitionChecks.h"
#include "windows/StoredDefinitions.h"

namespace dirdock {
namespace {

// The toolbar narrows once the pointer leaves to the right of the button,
// so the button's right edge is the threshold the toolbar procedure uses.
constexpr int ButtonRightEdge = 18;

constexpr ControlDefinition ToolbarControls[] = {
    {.kind = ControlKind::Button, .number = 1,
     .x = 1, .y = 2, .width = 17, .height = 16,
     .text = "", .tooltip = "Directory lister", .message = "",
     .icon = "director.ico", .picture = "", .listFormat = "",
     .variable = VariableKind::None, .values = {0, 0}},
    // Its origin lies above and left of the client area, and the runtime
    // stretches it over the whole client area at every width.
    {.kind = ControlKind::Region, .number = 2,
     .x = -9, .y = -11, .width = NotGiven, .height = NotGiven,
     .text = "", .tooltip = "", .message = "", .icon = "",
     .picture = "", .listFormat = "",
     .variable = VariableKind::None, .values = {1, -1}},
};

static_assert(checks::ControlsNumberedInOrder(ToolbarControls));
static_assert(checks::BoundVariablesAre(ToolbarControls, {}));
static_assert(ToolbarControls[0].x + ToolbarControls[0].width == ButtonRightEdge);

} // namespace

constexpr WindowDefinition ToolbarWindowDefinition{
    .key = "Kestrova$KSTRV002",
    .label = "P1$WINDOW",
    .kind = WindowKind::Child,
    .caption = "Caption",
    .font = {"Arial", 8},
    .x = 0,
    .y = 0,
    .width = 32,
    .height = 289,
    .icon = "",
    .wallpaper = "tbbg.bmp",
    .statusSections = {},
    .menu = {},
    .alertedKeys = {},
    .controls = ToolbarControls,
};

} // namespace dirdock
