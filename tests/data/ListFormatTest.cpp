#include <gtest/gtest.h>

#include <string>

#include "runtime/data/ListFormat.h"

namespace dirdock {
namespace {

const char* const DirectoryListFormat =
    "117L(1)|M~Long filename~S(200)@s255@62L(1)|M~Short filename~@s13@45R(1)|M~Date~L@d6-@42R(1)|~Time~L@t8@"
    "56R(1)~Size~L@n-14@";

struct ExpectedColumn {
    int width;
    char data;
    int indent;
    bool line;
    bool resizable;
    const char* header;
    char headerAlignment;
    int scroll;
    const char* picture;
};

TEST(ListFormatTest, ReadsTheDirectoryWindowsFiveColumns)
{
    const ListFormat format = ListFormat::parse(DirectoryListFormat);
    ASSERT_FALSE(format.error.has_value()) << format.error->position << ": " << format.error->message;
    const ExpectedColumn expected[] = {
        {117, 'L', 1, true, true, "Long filename", 0, 200, "s255"},
        {62, 'L', 1, true, true, "Short filename", 0, 0, "s13"},
        {45, 'R', 1, true, true, "Date", 'L', 0, "d6-"},
        {42, 'R', 1, true, false, "Time", 'L', 0, "t8"},
        {56, 'R', 1, false, false, "Size", 'L', 0, "n-14"},
    };
    ASSERT_EQ(format.columns.size(), std::size(expected));
    for (std::size_t i = 0; i < format.columns.size(); ++i) {
        const ListColumn& column = format.columns[i];
        const ExpectedColumn& want = expected[i];
        SCOPED_TRACE("column " + std::to_string(i + 1));
        EXPECT_EQ(column.width, want.width);
        EXPECT_EQ(column.dataAlignment, want.data);
        EXPECT_EQ(column.indent, want.indent);
        EXPECT_EQ(column.rightLine, want.line);
        EXPECT_EQ(column.resizable, want.resizable);
        EXPECT_EQ(column.header, want.header);
        EXPECT_EQ(column.headerAlignment, want.headerAlignment);
        EXPECT_EQ(column.scrollWidth, want.scroll);
        EXPECT_EQ(column.picture, want.picture);
    }
}

TEST(ListFormatTest, FlagsInEitherOrderAndOptionalParts)
{
    const ListFormat format = ListFormat::parse("10RM|~H~C@s5@20L@n-14@");
    ASSERT_FALSE(format.error.has_value()) << format.error->message;
    ASSERT_EQ(format.columns.size(), 2u);
    EXPECT_TRUE(format.columns[0].rightLine);
    EXPECT_TRUE(format.columns[0].resizable);
    EXPECT_EQ(format.columns[0].headerAlignment, 'C');
    EXPECT_EQ(format.columns[1].indent, 0);
    EXPECT_EQ(format.columns[1].header, "");
}

struct MalformedCase {
    const char* label;
    std::string text;
    std::size_t position;
    const char* messagePart;
    friend void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.label; }
};

class MalformedListFormatTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedListFormatTest, NamesThePositionAndWhatWasExpected)
{
    const MalformedCase& c = GetParam();
    // Heap copy at its exact size, so the sanitizers catch a read past it.
    const std::string text = c.text;
    const ListFormat format = ListFormat::parse(std::string_view(text.data(), text.size()));
    ASSERT_TRUE(format.error.has_value());
    EXPECT_EQ(format.error->position, c.position);
    EXPECT_NE(format.error->message.find(c.messagePart), std::string::npos) << format.error->message;
    EXPECT_TRUE(format.columns.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedListFormatTest,
    ::testing::Values(
        MalformedCase{"empty", "", 0, "column width"},
        MalformedCase{"lettersForWidth", "L(1)@s5@", 0, "column width"},
        MalformedCase{"afterWidth", "117", 3, "alignment"},
        MalformedCase{"badAlignment", "117X@s5@", 3, "alignment"},
        MalformedCase{"indentWithoutDigits", "117L(x)@s5@", 5, "indent"},
        MalformedCase{"indentUnclosed", "117L(1", 6, "')'"},
        MalformedCase{"headerUnclosed", "117L~Long", 9, "'~'"},
        MalformedCase{"scrollWithoutParenthesis", "117L~H~S200@s5@", 8, "'('"},
        MalformedCase{"scrollUnclosed", "117L~H~S(200", 12, "')'"},
        MalformedCase{"pictureMissing", "117L~H~", 7, "'@'"},
        MalformedCase{"pictureUnclosed", "117L~H~@s255", 12, "'@'"},
        MalformedCase{"unknownPicture", "117L@q12@", 5, "display picture"},
        MalformedCase{"hugeWidth", "99999999999999999999L@s5@", 0, "larger"},
        MalformedCase{"hugeIndent", "10L(4294967296)@s5@", 4, "larger"},
        MalformedCase{"garbageAfterColumn", "10L@s5@x", 7, "column width"},
        MalformedCase{"secondColumnTruncated", "10L@s5@20R(1)|", 14, "'@'"}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
} // namespace dirdock
