#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "runtime/data/RecordDescription.h"
#include "runtime/data/Records.h"

namespace dirdock {
namespace {

std::vector<std::uint8_t> FromHex(std::string_view hex)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size();) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
        i += 2;
    }
    return bytes;
}

// Written out by hand, field by field, from the layout the records follow.
const char* const DirectoryEntryHex =
    "1600 1A010000 06000000 5A000000"
    " 12 02 2100 46494C3A4E414D45 00"
    " 12 02 0D 46494C3A53484F52544E414D45 00"
    " 06 02 46494C3A44415445 00"
    " 06 02 46494C3A54494D45 00"
    " 06 02 46494C3A53495A45 00"
    " 01 02 46494C3A415454524942 00";

const char* const ListRecordHex =
    "1600 19010000 06000000 66000000"
    " 12 02 20FF 4C4F433A46514E414D45 00"
    " 12 02 0D 4C4F433A465153484F52544E414D45 00"
    " 06 02 4C4F433A465144415445 00"
    " 06 02 4C4F433A465154494D45 00"
    " 06 02 4C4F433A465153495A45 00"
    " 01 02 4C4F433A4651415454524942 00";

TEST(RecordDescriptionTest, BytesAreExactlyTheRuntimeForm)
{
    const auto directory = FromHex(DirectoryEntryHex);
    const auto list = FromHex(ListRecordHex);
    ASSERT_EQ(directory.size(), 90u);
    ASSERT_EQ(list.size(), 102u);
    for (std::size_t i = 0; i < directory.size(); ++i)
        EXPECT_EQ(DirectoryEntryDescription[i], directory[i]) << "directory entry byte " << i;
    for (std::size_t i = 0; i < list.size(); ++i)
        EXPECT_EQ(ListRecordDescription[i], list[i]) << "list record byte " << i;
}

struct ExpectedLayout {
    std::string name;
    FieldType type;
    std::size_t offset;
    std::size_t length;
};

void ExpectLayout(std::span<const std::uint8_t> description, std::size_t size,
                  const std::vector<ExpectedLayout>& expected)
{
    const auto layout = RecordLayout::parse(description);
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->recordSize(), size);
    ASSERT_EQ(layout->fieldCount(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const FieldLayout* field = layout->field(static_cast<int>(i) + 1);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->name, expected[i].name);
        EXPECT_EQ(field->type, expected[i].type);
        EXPECT_EQ(field->offset, expected[i].offset) << expected[i].name;
        EXPECT_EQ(field->length, expected[i].length) << expected[i].name;
    }
    EXPECT_EQ(layout->field(0), nullptr);
    EXPECT_EQ(layout->field(7), nullptr);
    EXPECT_EQ(layout->field(-1), nullptr);
}

TEST(RecordDescriptionTest, ParsesIntoTheFieldOffsets)
{
    ExpectLayout(DirectoryEntryDescription, 282,
                 {{"FIL:NAME", FieldType::Text, 0, 256},
                  {"FIL:SHORTNAME", FieldType::Text, 256, 13},
                  {"FIL:DATE", FieldType::Int32, 269, 4},
                  {"FIL:TIME", FieldType::Int32, 273, 4},
                  {"FIL:SIZE", FieldType::Int32, 277, 4},
                  {"FIL:ATTRIB", FieldType::UInt8, 281, 1}});
    ExpectLayout(ListRecordDescription, 281,
                 {{"LOC:FQNAME", FieldType::Text, 0, 255},
                  {"LOC:FQSHORTNAME", FieldType::Text, 255, 13},
                  {"LOC:FQDATE", FieldType::Int32, 268, 4},
                  {"LOC:FQTIME", FieldType::Int32, 272, 4},
                  {"LOC:FQSIZE", FieldType::Int32, 276, 4},
                  {"LOC:FQATTRIB", FieldType::UInt8, 280, 1}});
}

struct MalformedCase {
    const char* label;
    std::string hex;
    friend void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.label; }
};

class MalformedDescriptionTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedDescriptionTest, IsRejected)
{
    // The bytes go on the heap at their exact size, so the sanitizers see
    // any read beyond them.
    const std::vector<std::uint8_t> bytes = FromHex(GetParam().hex);
    EXPECT_FALSE(RecordLayout::parse(bytes).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedDescriptionTest,
    ::testing::Values(
        MalformedCase{"empty", ""}, MalformedCase{"shortHeader", "1600 05000000 01000000"},
        MalformedCase{"wrongKind", "1700 04000000 01000000 12000000 06 02 41 00"},
        MalformedCase{"lengthBeyondBytes", "1600 04000000 01000000 30000000 06 02 41 00"},
        MalformedCase{"lengthInsideHeader", "1600 04000000 01000000 0A000000 06 02 41 00"},
        MalformedCase{"unknownType", "1600 04000000 01000000 12000000 07 02 41 00"},
        MalformedCase{"unterminatedName", "1600 04000000 01000000 12000000 06 02 41 41"},
        MalformedCase{"emptyName", "1600 04000000 01000000 11000000 06 02 00"},
        MalformedCase{"moreFieldsThanBytes", "1600 04000000 02000000 12000000 06 02 41 00"},
        MalformedCase{"hugeFieldCount", "1600 04000000 FFFFFFFF 12000000 06 02 41 00"},
        MalformedCase{"fieldsBeyondRecord", "1600 03000000 01000000 12000000 06 02 41 00"},
        MalformedCase{"textBeyondRecord", "1600 05000000 01000000 13000000 12 02 06 41 00"},
        MalformedCase{"zeroLengthText", "1600 05000000 01000000 13000000 12 02 00 41 00"},
        MalformedCase{"textLengthCutOff", "1600 05000000 01000000 11000000 12 02 21"},
        MalformedCase{"badLengthPrefix", "1600 05000000 01000000 14000000 12 02 40 05 41 00"},
        MalformedCase{"trailingBytes", "1600 04000000 01000000 13000000 06 02 41 00 00"},
        MalformedCase{"nameRunsIntoStatedEnd", "1600 04000000 01000000 11000000 06 02 41 00"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(RecordDescriptionTest, AcceptsAMinimalDescription)
{
    // The malformed cases above are each one change away from this.
    EXPECT_TRUE(RecordLayout::parse(FromHex("1600 04000000 01000000 12000000 06 02 41 00")).has_value());
    const auto bytes = FromHex("1600 05000000 02000000 16000000 01 02 41 00 06 02 42 00");
    const auto layout = RecordLayout::parse(bytes);
    ASSERT_TRUE(layout.has_value());
    ASSERT_EQ(layout->fieldCount(), 2u);
    EXPECT_EQ(layout->field(2)->offset, 1u);
    EXPECT_EQ(layout->field(2)->name, "B");
}

TEST(ClearRecordTest, BlanksTextsAndZeroesNumbers)
{
    DirectoryEntryRecord entry;
    std::memset(&entry, 0x5A, sizeof entry);
    ClearRecordBytes(&entry, DirectoryEntryDescription);
    EXPECT_EQ(std::string(entry.Name, sizeof entry.Name), std::string(256, ' '));
    EXPECT_EQ(std::string(entry.ShortName, sizeof entry.ShortName), std::string(13, ' '));
    EXPECT_EQ(+entry.Date, 0);
    EXPECT_EQ(+entry.Time, 0);
    EXPECT_EQ(+entry.Size, 0);
    EXPECT_EQ(entry.Attrib, 0);

    ListRecord row;
    std::memset(&row, 0x5A, sizeof row);
    ClearRecordBytes(&row, ListRecordDescription);
    EXPECT_EQ(std::string(row.FqName, sizeof row.FqName), std::string(255, ' '));
    EXPECT_EQ(std::string(row.FqShortName, sizeof row.FqShortName), std::string(13, ' '));
    EXPECT_EQ(+row.FqDate, 0);
    EXPECT_EQ(+row.FqTime, 0);
    EXPECT_EQ(+row.FqSize, 0);
    EXPECT_EQ(row.FqAttrib, 0);
}

TEST(ClearRecordTest, MalformedDescriptionTouchesNothing)
{
    std::array<char, 8> buffer;
    buffer.fill('x');
    const auto bytes = FromHex("1700 08000000 01000000 13000000 12 02 08 41 00");
    ClearRecordBytes(buffer.data(), bytes);
    EXPECT_EQ(std::string(buffer.data(), buffer.size()), "xxxxxxxx");
}

} // namespace
} // namespace dirdock
