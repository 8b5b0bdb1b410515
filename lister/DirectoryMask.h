#pragma once

#include "runtime/data/FixedText.h"

namespace dirdock {

// The host's directory separator.
#ifdef _WIN32
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

// Replaces what follows the path's last directory separator with the mask
// "*.*". Trailing blanks are not searched; a path without a separator
// becomes "*.*" alone. The result is cut to the field.
void CutToDirectoryMask(FixedText<255>& path);

} // namespace dirdock
