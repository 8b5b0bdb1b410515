#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "runtime/data/ShortName.h"

namespace dirdock {
namespace {

struct ValidCase {
    const char* name;
    bool valid;
    friend void PrintTo(const ValidCase& c, std::ostream* os) { *os << ::testing::PrintToString(std::string(c.name)); }
};

class ValidShortNameTest : public ::testing::TestWithParam<ValidCase> {};

TEST_P(ValidShortNameTest, Decides)
{
    EXPECT_EQ(IsValidShortName(GetParam().name), GetParam().valid) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValidShortNameTest,
    ::testing::Values(ValidCase{"README", true}, ValidCase{"readme.txt", true}, ValidCase{"ABCDEFGH.IJK", true},
                      ValidCase{"ABCDEFGHI", false}, ValidCase{"A.IJKL", false}, ValidCase{"A.B.C", false},
                      ValidCase{".profile", false}, ValidCase{"NAME.", false}, ValidCase{"A B", false},
                      ValidCase{"A+B", false}, ValidCase{"$~_(1)", true}, ValidCase{"\xC3\xA9.TXT", false},
                      ValidCase{"", false}));

struct GenerateCase {
    const char* label;
    std::vector<std::string> longNames;
    std::vector<std::string> shortNames;
    friend void PrintTo(const GenerateCase& c, std::ostream* os) { *os << c.label; }
};

class MakeShortNamesTest : public ::testing::TestWithParam<GenerateCase> {};

TEST_P(MakeShortNamesTest, Makes)
{
    const GenerateCase& c = GetParam();
    const std::vector<std::string_view> views(c.longNames.begin(), c.longNames.end());
    EXPECT_EQ(MakeShortNames(views), c.shortNames);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MakeShortNamesTest,
    ::testing::Values(
        GenerateCase{"validUpperCased", {"readme.txt", "Makefile"}, {"README.TXT", "MAKEFILE"}},
        GenerateCase{"longBase", {"Long filename.document"}, {"LONGFI~1.DOC"}},
        GenerateCase{"extraDotsDropped", {"archive.tar.gz"}, {"ARCHIV~1.GZ"}},
        GenerateCase{"badCharacters", {"a+b=c.txt"}, {"A_B_C~1.TXT"}},
        GenerateCase{"nonAsciiBytes", {"caf\xC3\xA9 menu.txt"}, {"CAF__M~1.TXT"}},
        GenerateCase{"numbersByByteOrder", {"photo album 2.jpg", "photo album 1.jpg"}, {"PHOTOA~2.JPG", "PHOTOA~1.JPG"}},
        GenerateCase{"skipsExistingShortName", {"LONGFI~1.DOC", "Long filename.doc"}, {"LONGFI~1.DOC", "LONGFI~2.DOC"}},
        GenerateCase{"caseTwins", {"abc.txt", "ABC.TXT"}, {"ABC~1.TXT", "ABC.TXT"}},
        GenerateCase{"dotFile", {".profile"}, {"~1.PRO"}},
        GenerateCase{"extensionOfBadCharacters", {"x.+"}, {"X~1._"}},
        GenerateCase{"shortBaseLongExtension", {"a.html"}, {"A~1.HTM"}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(MakeShortNamesTest, BaseShrinksAsTheNumberGrows)
{
    std::vector<std::string> names;
    for (int i = 0; i < 120; ++i)
        names.push_back("document number " + std::to_string(1000 + i) + ".txt");
    const std::vector<std::string_view> views(names.begin(), names.end());
    const auto shorts = MakeShortNames(views);
    EXPECT_EQ(shorts[0], "DOCUME~1.TXT");
    EXPECT_EQ(shorts[8], "DOCUME~9.TXT");
    EXPECT_EQ(shorts[9], "DOCUM~10.TXT");
    EXPECT_EQ(shorts[99], "DOCU~100.TXT");
    std::set<std::string> distinct(shorts.begin(), shorts.end());
    EXPECT_EQ(distinct.size(), shorts.size());
    for (const std::string& name : shorts)
        EXPECT_TRUE(IsValidShortName(name)) << name;
}

TEST(MakeShortNamesTest, SameNamesWhateverTheOrder)
{
    std::vector<std::string> names = {"My Document.docx", "my document.docx", "MYDOCU~1.DOC", "My Documents.docx",
                                      "readme",          "Readme.md",        "a b",          "a_b"};
    const std::vector<std::string_view> views(names.begin(), names.end());
    const auto reference = MakeShortNames(views);
    std::vector<std::size_t> order(names.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::mt19937 random(7);
    for (int round = 0; round < 5; ++round) {
        std::shuffle(order.begin(), order.end(), random);
        std::vector<std::string_view> shuffled;
        for (const std::size_t i : order)
            shuffled.push_back(names[i]);
        const auto shorts = MakeShortNames(shuffled);
        for (std::size_t k = 0; k < order.size(); ++k)
            EXPECT_EQ(shorts[k], reference[order[k]]) << names[order[k]];
    }
    std::set<std::string> distinct(reference.begin(), reference.end());
    EXPECT_EQ(distinct.size(), reference.size());
}

} // namespace
} // namespace dirdock
