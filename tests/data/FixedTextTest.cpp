#include <gtest/gtest.h>

#include <array>
#include <string>

#include "runtime/data/FixedText.h"

namespace dirdock {
namespace {

struct FixedCase {
    const char* label;
    std::string text;
    std::size_t size;
    std::string expected;
    friend void PrintTo(const FixedCase& c, std::ostream* os) { *os << c.label; }
};

class AssignFixedTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(AssignFixedTest, CutsOrPadsAtCharacterBoundaries)
{
    const FixedCase& c = GetParam();
    // One guard byte on each side catches writes outside the field.
    std::string storage(c.size + 2, '#');
    AssignFixed(std::span<char>(storage.data() + 1, c.size), c.text);
    EXPECT_EQ(storage.front(), '#');
    EXPECT_EQ(storage.back(), '#');
    EXPECT_EQ(storage.substr(1, c.size), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AssignFixedTest,
    ::testing::Values(
        FixedCase{"pads", "ab", 5, "ab   "}, FixedCase{"exact", "abcde", 5, "abcde"},
        FixedCase{"cuts", "abcdefg", 5, "abcde"}, FixedCase{"empty", "", 3, "   "},
        FixedCase{"emptyField", "abc", 0, ""},
        // "é" is two bytes: at byte 4 of 5 it does not fit whole.
        FixedCase{"twoByteAtEdge", "abcd\xC3\xA9", 5, "abcd "},
        FixedCase{"twoByteFits", "abc\xC3\xA9xyz", 5, "abc\xC3\xA9"},
        FixedCase{"threeByteAtEdge", "ab\xE2\x82\xAC", 4, "ab  "},
        FixedCase{"fourByteAtEdge", "a\xF0\x9F\x98\x80", 4, "a   "},
        FixedCase{"fourByteFits", "\xF0\x9F\x98\x80z", 4, "\xF0\x9F\x98\x80"},
        // Invalid bytes are characters of their own and may be cut between.
        FixedCase{"invalidBytes", "ab\xFF\xFE\xFD", 4, "ab\xFF\xFE"},
        FixedCase{"loneContinuation", "abc\x80\x80", 4, "abc\x80"},
        FixedCase{"truncatedSequence", "ab\xE2\x82", 3, "ab\xE2"},
        FixedCase{"overlongForm", "a\xC0\xAF", 2, "a\xC0"},
        FixedCase{"overlongThreeByte", "a\xE0\x80\xAF", 2, "a\xE0"},
        FixedCase{"beyondUnicode", "a\xF4\x90\x80\x80", 2, "a\xF4"},
        FixedCase{"surrogate", "a\xED\xA0\x80", 2, "a\xED"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(FixedTextTest, TrimmedDropsOnlyTrailingBlanks)
{
    FixedText<8> text("  a b");
    EXPECT_EQ(text.view(), "  a b   ");
    EXPECT_EQ(text.trimmed(), "  a b");
    text = "";
    EXPECT_EQ(text.trimmed(), "");
    EXPECT_EQ(FixedText<3>().view(), "   ");
}

TEST(FixedTextTest, AssignFromItsOwnBytesIsSafe)
{
    FixedText<6> text("abcdef");
    text.assign(text.view().substr(2));
    EXPECT_EQ(text.view(), "cdef  ");
}

struct TerminatedCase {
    const char* label;
    std::string text;
    std::size_t size;
    std::string expected;
    friend void PrintTo(const TerminatedCase& c, std::ostream* os) { *os << c.label; }
};

class AssignTerminatedTest : public ::testing::TestWithParam<TerminatedCase> {};

TEST_P(AssignTerminatedTest, AlwaysLeavesRoomForTheTerminator)
{
    const TerminatedCase& c = GetParam();
    std::string storage(c.size + 1, '#');
    AssignTerminated(std::span<char>(storage.data(), c.size), c.text);
    EXPECT_EQ(storage.back(), '#') << "wrote past the buffer";
    EXPECT_EQ(TerminatedText(std::span<const char>(storage.data(), c.size)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AssignTerminatedTest,
    ::testing::Values(TerminatedCase{"fits", "abc", 8, "abc"}, TerminatedCase{"exactFit", "abc", 4, "abc"},
                      TerminatedCase{"cut", "abcdef", 4, "abc"}, TerminatedCase{"oneByte", "abc", 1, ""},
                      TerminatedCase{"zeroBytes", "abc", 0, ""},
                      TerminatedCase{"cutBeforeCharacter", "ab\xC3\xA9", 4, "ab"},
                      TerminatedCase{"embeddedTerminator", std::string("ab\0cd", 5), 8, "ab"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(TerminatedTextTest, StopsAtTheBufferEndWithoutTerminator)
{
    const std::array<char, 6> buffer = {'a', 'b', 'c', 'd', 'e', 'f'};
    // A span over the first four bytes must not see "ef".
    EXPECT_EQ(TerminatedText(std::span<const char>(buffer.data(), 4)), "abcd");
    EXPECT_EQ(TerminatedText(std::span<const char>()), "");
}

} // namespace
} // namespace dirdock
