#pragma once

#include <cstdint>

namespace dirdock {

// The frame's height in dialog units when it opened. Written by RunFrame
// before the toolbar's thread starts, read once by the toolbar.
extern std::int32_t FrameHeight;

// The application frame's procedure, run on the main thread.
void RunFrame();

} // namespace dirdock
