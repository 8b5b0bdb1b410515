#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "runtime/data/DescriptionReader.h"

namespace dirdock {
namespace {

// A two-field description: a 3-character text and a 32-bit number, 7 bytes.
constexpr std::array<std::uint8_t, 26> TwoFields = {
    0x16, 0x00, 0x07, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x1A, 0x00, 0x00,
    0x00, 0x12, 0x02, 0x03, 'T',  'X',  'T',  0,    0x06, 0x02, 'N',  'O',  0,
};

constexpr ExpectedField Matching[] = {{FieldType::Text, 0, 3}, {FieldType::Int32, 3, 4}};
constexpr ExpectedField ShiftedOffset[] = {{FieldType::Text, 0, 3}, {FieldType::Int32, 4, 4}};
constexpr ExpectedField WrongType[] = {{FieldType::Text, 0, 3}, {FieldType::UInt8, 3, 4}};
constexpr ExpectedField WrongLength[] = {{FieldType::Text, 0, 4}, {FieldType::Int32, 4, 4}};
constexpr ExpectedField MissingField[] = {{FieldType::Text, 0, 3}};

// The same check guards the two records at compile time; here it is shown
// to tell a struct that disagrees from one that agrees.
static_assert(DescriptionAgrees(TwoFields, 7, Matching));
static_assert(!DescriptionAgrees(TwoFields, 8, Matching));
static_assert(!DescriptionAgrees(TwoFields, 7, ShiftedOffset));
static_assert(!DescriptionAgrees(TwoFields, 7, WrongType));
static_assert(!DescriptionAgrees(TwoFields, 7, WrongLength));
static_assert(!DescriptionAgrees(TwoFields, 7, MissingField));

TEST(DescriptionAgreementTest, HoldsAtRunTimeAsAtCompileTime)
{
    EXPECT_TRUE(DescriptionAgrees(TwoFields, 7, Matching));
    EXPECT_FALSE(DescriptionAgrees(TwoFields, 7, ShiftedOffset));
    const auto layout = RecordLayout::parse(TwoFields);
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->field(2)->offset, 3u);
}

} // namespace
} // namespace dirdock
