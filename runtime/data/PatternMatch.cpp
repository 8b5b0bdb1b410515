#include "DirectoryListing.h"
#include "Utf8.h"

namespace dirdock {

namespace {

char FoldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Matches "*" and "?" with one remembered star to backtrack to, which keeps
// the work bounded by pattern length times name length.
bool MatchWildcards(std::string_view pattern, std::string_view name)
{
    std::size_t p = 0, n = 0;
    std::size_t starAt = std::string_view::npos, resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            n += Utf8CharLength(name, n);
        } else if (p < pattern.size() && FoldCase(pattern[p]) == FoldCase(name[n])) {
            ++p;
            ++n;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            resumeAt += Utf8CharLength(name, resumeAt);
            n = resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool EndsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

} // namespace

// A pattern ending in ".*" also takes names without any dot, and one ending
// in "." takes names without an extension, so "*.*" is every name and "*."
// every name without a dot.
bool MatchesPattern(std::string_view pattern, std::string_view name)
{
    if (pattern.empty())
        return false;
    if (MatchWildcards(pattern, name))
        return true;
    if (name.find('.') != std::string_view::npos)
        return false;
    if (EndsWith(pattern, ".*"))
        return MatchWildcards(pattern.substr(0, pattern.size() - 2), name);
    if (EndsWith(pattern, "."))
        return MatchWildcards(pattern.substr(0, pattern.size() - 1), name);
    return false;
}

} // namespace dirdock
