#include "Utf8.h"

namespace dirdock {

namespace {

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length announced by a lead byte and the smallest second byte allowed,
// which rules out overlong forms and surrogates.
struct LeadByte {
    std::size_t length;
    unsigned char low;
    unsigned char high;
};

LeadByte ReadLead(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return {2, 0x80, 0xBF};
    if (lead == 0xE0)
        return {3, 0xA0, 0xBF};
    if (lead == 0xED)
        return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF)
        return {3, 0x80, 0xBF};
    if (lead == 0xF0)
        return {4, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3)
        return {4, 0x80, 0xBF};
    if (lead == 0xF4)
        return {4, 0x80, 0x8F};
    return {1, 0, 0};
}

} // namespace

std::size_t Utf8CharLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return 1;
    const LeadByte info = ReadLead(lead);
    if (info.length == 1 || at + info.length > text.size())
        return 1;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (second < info.low || second > info.high)
        return 1;
    for (std::size_t i = 2; i < info.length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[at + i])))
            return 1;
    }
    return info.length;
}

std::size_t Utf8Fit(std::string_view text, std::size_t limit)
{
    if (text.size() <= limit)
        return text.size();
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t length = Utf8CharLength(text, at);
        if (at + length > limit)
            break;
        at += length;
    }
    return at;
}

} // namespace dirdock
