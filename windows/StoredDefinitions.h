#pragma once

#include "windows/WindowDefinition.h"

// The three definitions the program carries, each defined in a file of its
// own; the lookup in WindowDefinitions.cpp is the only way others reach them.
namespace dirdock {

extern const WindowDefinition FrameWindowDefinition;
extern const WindowDefinition ToolbarWindowDefinition;
extern const WindowDefinition DirectoryWindowDefinition;

} // namespace dirdock
