#include "NaturalTextKey.h"

namespace dirdock {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

char FoldCase(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// A digit run becomes '0', its count of significant digits and those digits.
// The marker keeps digits where they fall among other bytes; the count puts
// shorter numbers first, and equal counts compare digit by digit. The count
// takes one byte per 255 plus a final byte below 255, so that it orders
// correctly at any length.
void AppendNumber(std::string& out, std::string_view digits)
{
    std::size_t first = 0;
    while (first < digits.size() && digits[first] == '0')
        ++first;
    const std::string_view significant = digits.substr(first);
    out.push_back('0');
    std::size_t count = significant.size();
    while (count >= 255) {
        out.push_back(static_cast<char>(255));
        count -= 255;
    }
    out.push_back(static_cast<char>(count));
    out.append(significant);
}

} // namespace

void AppendNaturalTextKey(std::string& out, std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        if (!IsDigit(text[at])) {
            out.push_back(FoldCase(text[at]));
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && IsDigit(text[end]))
            ++end;
        AppendNumber(out, text.substr(at, end - at));
        at = end;
    }
}

} // namespace dirdock
