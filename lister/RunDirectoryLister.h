#pragma once

namespace dirdock {

// The procedure of one directory window, run on a thread of its own.
void RunDirectoryLister();

} // namespace dirdock
