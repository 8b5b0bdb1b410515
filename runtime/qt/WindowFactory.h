#pragma once

#include <memory>

namespace dirdock {

class WindowState;

// Build a window's widgets from its definition, hidden (GUI thread).
// False when the definition cannot make that kind of window.
bool BuildFrame(const std::shared_ptr<WindowState>& window);
bool BuildChild(const std::shared_ptr<WindowState>& window);

// Closes a window: hides it and ends its event loop. Closing the frame
// closes every window inside it.
void CloseWindowWidgets(WindowState& window);

} // namespace dirdock
