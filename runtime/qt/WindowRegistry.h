#pragma once

#include <memory>
#include <vector>

#include "runtime/qt/WindowState.h"

namespace dirdock {

// Window references from 1 upwards, never reused within a process.
std::shared_ptr<WindowState> RegisterWindow(const WindowDefinition* definition);
void UnregisterWindow(WindowRef ref);
// The window a reference names; 0 names the calling thread's current
// window. nullptr for an unknown or released window.
std::shared_ptr<WindowState> FindWindow(WindowRef ref);
// Every registered window, in the order they were prepared.
std::vector<std::shared_ptr<WindowState>> AllWindows();

void SetCurrentWindow(std::shared_ptr<WindowState> window);
std::shared_ptr<WindowState> CurrentWindow();

// The application frame, nullptr before one is prepared or once released.
void SetFrameWindow(std::shared_ptr<WindowState> frame);
std::shared_ptr<WindowState> FrameWindowState();

// Marks the widget that stands for a window, and a control's widget.
void MarkWindowWidget(QWidget* w, WindowRef ref);
void MarkControlWidget(QWidget* w, int control);

// The window whose widgets hold w (GUI thread), and the control number of
// w or of its nearest control ancestor (0 when none).
std::shared_ptr<WindowState> WindowOfWidget(const QWidget* w);
int ControlOfWidget(const QWidget* w);

} // namespace dirdock
