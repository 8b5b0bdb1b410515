#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace dirdock {

// Copies text into a fixed-length field: cut where it does not fit, padded
// with blanks where it is shorter. The text is UTF-8, so a cut stops before
// the first character that would not fit whole.
void AssignFixed(std::span<char> field, std::string_view text);

// The text of a fixed-length field without its trailing blanks.
std::string_view TrimmedFixed(std::span<const char> field);

// Copies text into a zero-terminated buffer of the given size, cut at a
// character boundary so that the terminator always fits.
void AssignTerminated(std::span<char> buffer, std::string_view text);

// The text of a zero-terminated buffer, never reading past its end.
std::string_view TerminatedText(std::span<const char> buffer);

// A text variable of N one-byte characters, padded with blanks.
template <std::size_t N>
struct FixedText {
    std::array<char, N> bytes;

    FixedText() { bytes.fill(' '); }
    explicit FixedText(std::string_view text) { assign(text); }

    void assign(std::string_view text) { AssignFixed(bytes, text); }
    FixedText& operator=(std::string_view text)
    {
        assign(text);
        return *this;
    }
    std::string_view trimmed() const { return TrimmedFixed(bytes); }
    std::string_view view() const { return {bytes.data(), N}; }
    std::span<char> span() { return bytes; }
    static constexpr std::size_t size() { return N; }
};

} // namespace dirdock
