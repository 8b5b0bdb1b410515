#include "VisibleText.h"

#include "Utf8.h"

namespace dirdock {

namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD";
constexpr unsigned char Delete = 0x7F;

// U+2400 plus the byte, or U+2421 for DEL, in UTF-8.
void AppendControlPicture(std::string& out, unsigned char byte)
{
    const unsigned picture = byte == Delete ? 0x2421 : 0x2400 + byte;
    out.push_back(static_cast<char>(0xE0 | (picture >> 12)));
    out.push_back(static_cast<char>(0x80 | ((picture >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (picture & 0x3F)));
}

void AppendVisible(std::string& out, std::string_view character)
{
    const auto lead = static_cast<unsigned char>(character[0]);
    if (lead < 0x20 || lead == Delete)
        AppendControlPicture(out, lead);
    else if (lead >= 0x80 && character.size() == 1)
        out.append(Replacement);
    else
        out.append(character);
}

} // namespace

std::string VisibleText(std::string_view text, std::size_t width)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::string out;
    std::size_t shown = 0;
    for (std::size_t at = 0; at < text.size() && (width == 0 || shown < width); ++shown) {
        const std::size_t length = Utf8CharLength(text, at);
        AppendVisible(out, text.substr(at, length));
        at += length;
    }
    return out;
}

std::size_t CharacterCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count)
        at += Utf8CharLength(text, at);
    return count;
}

} // namespace dirdock
