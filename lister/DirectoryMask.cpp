#include "DirectoryMask.h"

#include <string>

namespace dirdock {

void CutToDirectoryMask(FixedText<255>& path)
{
    const std::string_view text = path.trimmed();
    const std::size_t separator = text.rfind(PathSeparator);
    const std::size_t kept = separator == std::string_view::npos ? 0 : separator + 1;
    path = std::string(text.substr(0, kept)) + "*.*";
}

} // namespace dirdock
