#pragma once

namespace dirdock {

// The slide-out toolbar's procedure, run on a thread of its own.
void RunToolbar();

} // namespace dirdock
