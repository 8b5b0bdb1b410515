#pragma once

#include <optional>

#include "core/Runtime.h"

namespace dirdock {

class WindowState;

// Position and size properties in dialog units (GUI thread). A window's
// PropX and PropY are its outer position (a child's within the frame's
// MDI area); its PropWidth and PropHeight are the size of its client area
// (for the frame, the whole main window). A control's are its geometry in
// the client area.
bool IsGeometry(Property property);
std::optional<int> ReadUnits(WindowState& window, int control, Property property);
void WriteUnits(WindowState& window, int control, Property property, int units);

} // namespace dirdock
