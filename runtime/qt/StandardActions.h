#pragma once

#include "windows/WindowDefinition.h"

class QAction;
class QMenu;

namespace dirdock {

class FrameWindow;

// Wires a menu item to the standard action it carries.
void ConnectStandardAction(QAction* action, StandardAction standard, FrameWindow* frame);
// Makes a menu end with the list of open directory windows, rebuilt each
// time it opens.
void AttachWindowList(QMenu* menu, FrameWindow* frame);

} // namespace dirdock
