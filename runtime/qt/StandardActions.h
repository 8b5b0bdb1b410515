#pragma once

#include <vector>

#include "windows/WindowDefinition.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace dirdock {

class FrameWindow;

// Wires a menu item to the standard action it carries.
void ConnectStandardAction(QAction* action, StandardAction standard, FrameWindow* frame);
// Makes a menu end with the list of open directory windows, rebuilt each
// time it opens.
void AttachWindowList(QMenu* menu, FrameWindow* frame);

// The windows the arranging actions move: open, not docked, in the order
// they were made.
std::vector<QMdiSubWindow*> ArrangedWindows(QMdiArea* area);

} // namespace dirdock
