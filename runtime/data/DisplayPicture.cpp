#include "DisplayPicture.h"

namespace dirdock {

std::optional<DisplayPicture> DisplayPicture::parse(std::string_view)
{
    return std::nullopt;
}

std::string DisplayPicture::formatText(std::string_view) const
{
    return {};
}

std::string DisplayPicture::formatNumber(std::int64_t, const DisplayLocale&) const
{
    return {};
}

} // namespace dirdock
