#pragma once

#include <cstdint>

#include "Runtime.h"

namespace dirdock {

// Called by the runtime; at phase 0 it initialises the program's module.
void ModuleInitialiser(std::int32_t phase);

// What the entry hands to StartRuntime.
extern const ProgramDescriptorRecord ProgramDescriptor;

// The program's main code: runs on the process's main thread and returns the
// exit code, which is 0 on every path.
int RunProgram();

} // namespace dirdock
