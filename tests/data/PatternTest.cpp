#include <gtest/gtest.h>

#include <string>

#include "runtime/data/DirectoryListing.h"

namespace dirdock {
namespace {

struct PatternCase {
    const char* pattern;
    const char* name;
    bool matches;
    friend void PrintTo(const PatternCase& c, std::ostream* os) { *os << ::testing::PrintToString(std::string(c.pattern) + " / " + c.name); }
};

class PatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(PatternTest, Matches)
{
    const PatternCase& c = GetParam();
    EXPECT_EQ(MatchesPattern(c.pattern, c.name), c.matches) << c.pattern << " / " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PatternTest,
    ::testing::Values(
        PatternCase{"*.*", "readme", true}, PatternCase{"*.*", "readme.txt", true},
        PatternCase{"*.*", "a.b.c", true}, PatternCase{"*.*", "trailing.", true},
        PatternCase{"*", "anything.at.all", true}, PatternCase{"*.", "readme", true},
        PatternCase{"*.", "readme.txt", false}, PatternCase{"*.txt", "notes.TXT", true},
        PatternCase{"*.txt", "notes.txt.bak", false}, PatternCase{"*.TXT", "Notes.txt", true},
        PatternCase{"?.c", "a.c", true}, PatternCase{"?.c", "ab.c", false}, PatternCase{"?.c", ".c", false},
        // One "?" takes one whole UTF-8 character.
        PatternCase{"?.c", "\xC3\xA9.c", true}, PatternCase{"??.c", "\xC3\xA9.c", false},
        PatternCase{"?.c", "\xFF.c", true}, PatternCase{"a*b*c", "aXXbYYc", true},
        PatternCase{"a*b*c", "aXXbYY", false}, PatternCase{"*ab", "aab", true},
        PatternCase{"*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
        PatternCase{"report.*", "report", true}, PatternCase{"report.*", "report.pdf", true},
        PatternCase{"report.*", "reports", false}, PatternCase{"exact", "EXACT", true},
        PatternCase{"exact", "exactly", false}, PatternCase{"", "name", false},
        PatternCase{"\xC3\xA9*", "\xC3\x89t\xC3\xA9", false}));

} // namespace
} // namespace dirdock
