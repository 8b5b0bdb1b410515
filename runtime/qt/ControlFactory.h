#pragma once

#include <QString>

#include <memory>
#include <string_view>

#include "windows/WindowDefinition.h"

class QWidget;

namespace dirdock {

class WindowContent;
class WindowState;

// Builds the controls of a window from its definition into its client
// area, wired to post their events to the window's queue (GUI thread).
void BuildControls(const std::shared_ptr<WindowState>& window, WindowContent* content);

// A text from a definition as a QString.
QString DefinitionText(std::string_view text);

} // namespace dirdock
