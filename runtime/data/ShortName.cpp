#include "ShortName.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace dirdock {

namespace {

constexpr std::size_t BaseLimit = 8;
constexpr std::size_t ExtensionLimit = 3;
constexpr std::size_t GeneratedBaseLimit = 6;

bool IsShortNameChar(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80)
        return false;
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    return std::string_view("!#$%&'()-@^_`{}~").find(c) != std::string_view::npos;
}

char ToUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string UpperCase(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), ToUpper);
    return result;
}

bool AllShortNameChars(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), IsShortNameChar);
}

// Upper case; blanks and dots dropped; anything a short name cannot hold
// becomes "_".
std::string CleanPart(std::string_view part)
{
    std::string result;
    for (const char c : part) {
        if (c == ' ' || c == '.')
            continue;
        result.push_back(IsShortNameChar(c) ? ToUpper(c) : '_');
    }
    return result;
}

struct CleanName {
    std::string base;      // whole, not yet cut
    std::string extension; // at most three characters
};

CleanName Clean(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return {CleanPart(name), {}};
    std::string extension = CleanPart(name.substr(dot + 1));
    extension.resize(std::min(extension.size(), ExtensionLimit));
    return {CleanPart(name.substr(0, dot)), extension};
}

std::string Generated(const CleanName& clean, unsigned number)
{
    const std::string tail = "~" + std::to_string(number);
    const std::size_t baseRoom = BaseLimit > tail.size() ? BaseLimit - tail.size() : 0;
    std::string result = clean.base.substr(0, std::min(baseRoom, GeneratedBaseLimit)) + tail;
    if (!clean.extension.empty())
        result += "." + clean.extension;
    return result;
}

// Hands out generated names that collide with no name already taken. The
// next number to try is kept per stem, so many similar names stay linear.
class ShortNameMaker {
public:
    bool claim(const std::string& name) { return m_taken.insert(name).second; }

    std::string generate(std::string_view longName)
    {
        const CleanName clean = Clean(longName);
        const std::string stem = clean.base.substr(0, GeneratedBaseLimit) + "." + clean.extension;
        unsigned& number = m_nextNumber[stem];
        for (;;) {
            ++number;
            std::string candidate = Generated(clean, number);
            if (claim(candidate))
                return candidate;
        }
    }

private:
    std::unordered_set<std::string> m_taken;
    std::unordered_map<std::string, unsigned> m_nextNumber;
};

} // namespace

bool IsValidShortName(std::string_view name)
{
    const std::size_t dot = name.find('.');
    const std::string_view base = name.substr(0, dot);
    if (base.empty() || base.size() > BaseLimit || !AllShortNameChars(base))
        return false;
    if (dot == std::string_view::npos)
        return true;
    const std::string_view extension = name.substr(dot + 1);
    return !extension.empty() && extension.size() <= ExtensionLimit && AllShortNameChars(extension);
}

std::vector<std::string> MakeShortNames(const std::vector<std::string_view>& longNames)
{
    std::vector<std::size_t> order(longNames.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return longNames[a] < longNames[b]; });

    std::vector<std::string> result(longNames.size());
    std::vector<bool> keepsOwnName(longNames.size(), false);
    ShortNameMaker maker;
    // Names that already are short names keep them, first in byte order
    // winning when two differ in case only; the rest are generated after.
    for (const std::size_t i : order) {
        if (IsValidShortName(longNames[i]) && maker.claim(UpperCase(longNames[i]))) {
            result[i] = UpperCase(longNames[i]);
            keepsOwnName[i] = true;
        }
    }
    for (const std::size_t i : order) {
        if (!keepsOwnName[i])
            result[i] = maker.generate(longNames[i]);
    }
    return result;
}

} // namespace dirdock
