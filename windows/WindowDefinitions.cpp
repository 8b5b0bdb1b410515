#include "windows/StoredDefinitions.h"
#include "windows/WindowDefinition.h"

namespace dirdock {
namespace {

constexpr const WindowDefinition* Definitions[] = {
    &FrameWindowDefinition,
    &ToolbarWindowDefinition,
    &DirectoryWindowDefinition,
};

} // namespace

// Two windows share a label, so only the pair of key and label names one.
const WindowDefinition* FindWindowDefinition(std::string_view key, std::string_view label)
{
    for (const WindowDefinition* definition : Definitions) {
        if (definition->key == key && definition->label == label)
            return definition;
    }
    return nullptr;
}

std::span<const WindowDefinition* const> AllWindowDefinitions()
{
    return Definitions;
}

} // namespace dirdock
