#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "runtime/data/FixedText.h"
#include "runtime/data/Queue.h"
#include "runtime/data/Records.h"

namespace dirdock {
namespace {

constexpr int NameKey = 1;
constexpr int DateKey = 3;
constexpr int SizeKey = 5;
constexpr int AttribKey = 6;

ListRecord Row(std::string_view name, std::int32_t size = 0, std::uint8_t attrib = 0)
{
    ListRecord row;
    ClearRecordBytes(&row, ListRecordDescription);
    AssignFixed(row.FqName, name);
    row.FqSize = size;
    row.FqAttrib = attrib;
    return row;
}

class ListQueue {
public:
    ListQueue() : m_queue(&m_buffer, ListRecordDescription, sizeof(ListRecord)) {}

    void add(const ListRecord& row)
    {
        m_buffer = row;
        m_queue.add();
    }
    void addNames(const std::vector<std::string>& names)
    {
        for (std::size_t i = 0; i < names.size(); ++i)
            add(Row(names[i], static_cast<std::int32_t>(i)));
    }
    ListRecord get(int n)
    {
        m_queue.get(n);
        return m_buffer;
    }
    std::vector<std::string> names()
    {
        std::vector<std::string> result;
        for (int i = 1; i <= m_queue.count(); ++i)
            result.emplace_back(TrimmedFixed(get(i).FqName));
        return result;
    }
    // Sizes hold the order records were added in, to check stability.
    std::vector<std::int32_t> sizes()
    {
        std::vector<std::int32_t> result;
        for (int i = 1; i <= m_queue.count(); ++i)
            result.push_back(+get(i).FqSize);
        return result;
    }
    Queue& queue() { return m_queue; }
    ListRecord& buffer() { return m_buffer; }

private:
    ListRecord m_buffer{};
    Queue m_queue;
};

TEST(QueueTest, KeepsRecordsBackToBackInOrder)
{
    ListQueue q;
    EXPECT_EQ(q.queue().count(), 0);
    q.addNames({"one", "two", "three"});
    ASSERT_EQ(q.queue().count(), 3);
    EXPECT_EQ(q.names(), (std::vector<std::string>{"one", "two", "three"}));
    const auto records = q.queue().records();
    ASSERT_EQ(records.size(), 3 * sizeof(ListRecord));
    EXPECT_EQ(std::memcmp(records.data() + sizeof(ListRecord), "two ", 4), 0);
}

TEST(QueueTest, AddCopiesTheBufferSoLaterChangesDoNotLeakIn)
{
    ListQueue q;
    q.add(Row("first"));
    AssignFixed(q.buffer().FqName, "changed");
    EXPECT_EQ(TrimmedFixed(q.get(1).FqName), "first");
}

TEST(QueueTest, GetOfAMissingRecordLeavesTheBufferAlone)
{
    ListQueue q;
    q.addNames({"a", "b"});
    for (const int n : {0, -1, 3, 1000, INT32_MIN, INT32_MAX}) {
        q.buffer() = Row("untouched", 77);
        q.queue().get(n);
        EXPECT_EQ(TrimmedFixed(q.buffer().FqName), "untouched") << n;
        EXPECT_EQ(+q.buffer().FqSize, 77) << n;
    }
}

TEST(QueueTest, ClearEmptiesAndTheQueueStaysUsable)
{
    ListQueue q;
    q.addNames({"a", "b"});
    q.queue().clear();
    EXPECT_EQ(q.queue().count(), 0);
    q.buffer() = Row("kept");
    q.queue().get(1);
    EXPECT_EQ(TrimmedFixed(q.buffer().FqName), "kept");
    q.addNames({"c"});
    EXPECT_EQ(q.names(), std::vector<std::string>{"c"});
}

struct SortCase {
    const char* label;
    std::vector<std::string> input;
    std::vector<std::string> ascending;
    friend void PrintTo(const SortCase& c, std::ostream* os) { *os << c.label; }
};

class NameSortTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(NameSortTest, AscendingIsNaturalAndDescendingItsReverse)
{
    const SortCase& c = GetParam();
    ListQueue q;
    q.addNames(c.input);
    q.queue().sort(NameKey);
    EXPECT_EQ(q.names(), c.ascending);
    q.queue().sort(-NameKey);
    std::vector<std::string> descending(c.ascending.rbegin(), c.ascending.rend());
    EXPECT_EQ(q.names(), descending);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NameSortTest,
    ::testing::Values(
        SortCase{"digitRunsByValue", {"file10", "file2", "file1", "file100"}, {"file1", "file2", "file10", "file100"}},
        SortCase{"caseIgnoredThenBytes", {"b", "a", "B", "A"}, {"A", "a", "B", "b"}},
        SortCase{"leadingZeros", {"f07", "f7", "f007", "f6", "f8"}, {"f6", "f007", "f07", "f7", "f8"}},
        SortCase{"longRunsDoNotOverflow",
                 {"n123456789012345678901234567890", "n99999999999999999999", "n123456789012345678901234567889"},
                 {"n99999999999999999999", "n123456789012345678901234567889", "n123456789012345678901234567890"}},
        SortCase{"digitsBeforeLetters", {"ab", "a1", "a"}, {"a", "a1", "ab"}},
        SortCase{"numberThenText", {"x2b", "x10a", "x2a"}, {"x2a", "x2b", "x10a"}},
        SortCase{"zeroRuns", {"z00", "z0", "z", "z000a"}, {"z", "z0", "z00", "z000a"}},
        SortCase{"nonAsciiAsBytes", {"\xC3\xA9", "z", "\xC3\x89", "Z"}, {"Z", "z", "\xC3\x89", "\xC3\xA9"}},
        SortCase{"punctuationByByte", {"a_b", "a-b", "a.b", "ab"}, {"a-b", "a.b", "ab", "a_b"}},
        SortCase{"emptyNamesFirst", {"b", "", "a"}, {"", "a", "b"}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(QueueSortTest, TrailingBlanksDoNotCount)
{
    ListQueue q;
    q.addNames({"ab", "a"});
    q.queue().sort(NameKey);
    // "a" padded with blanks must not sort after "ab" by its blank.
    EXPECT_EQ(q.names(), (std::vector<std::string>{"a", "ab"}));
}

TEST(QueueSortTest, EqualKeysKeepTheirOrderBothWays)
{
    ListQueue q;
    q.add(Row("same", 1));
    q.add(Row("other", 2));
    q.add(Row("same", 3));
    q.add(Row("same", 4));
    q.queue().sort(NameKey);
    EXPECT_EQ(q.sizes(), (std::vector<std::int32_t>{2, 1, 3, 4}));
    q.queue().sort(-NameKey);
    EXPECT_EQ(q.sizes(), (std::vector<std::int32_t>{1, 3, 4, 2}));
}

TEST(QueueSortTest, NumbersByValueSignedAndStable)
{
    ListQueue q;
    const std::vector<std::int32_t> sizes = {5, -3, INT32_MAX, 0, INT32_MIN, 5, -3};
    for (std::size_t i = 0; i < sizes.size(); ++i)
        q.add(Row(std::string(1, static_cast<char>('a' + i)), sizes[i]));
    q.queue().sort(SizeKey);
    EXPECT_EQ(q.names(), (std::vector<std::string>{"e", "b", "g", "d", "a", "f", "c"}));
    q.queue().sort(-SizeKey);
    EXPECT_EQ(q.names(), (std::vector<std::string>{"c", "a", "f", "d", "b", "g", "e"}));
}

TEST(QueueSortTest, UnsignedByteFieldSortsAsUnsigned)
{
    ListQueue q;
    q.add(Row("high", 0, 0xF0));
    q.add(Row("low", 0, 0x01));
    q.queue().sort(AttribKey);
    EXPECT_EQ(q.names(), (std::vector<std::string>{"low", "high"}));
}

TEST(QueueSortTest, KeysOutsideTheRecordSortNothing)
{
    for (const int key : {0, 7, -7, 100, INT32_MIN, INT32_MAX}) {
        ListQueue q;
        q.addNames({"c", "a", "b"});
        q.queue().sort(key);
        EXPECT_EQ(q.names(), (std::vector<std::string>{"c", "a", "b"})) << key;
    }
}

TEST(QueueSortTest, ResultDoesNotDependOnInputOrder)
{
    std::vector<std::string> names;
    for (const char* stem : {"Report", "report", "REPORT", "data", "Data_", "img"})
        for (const char* number : {"1", "01", "2", "10", "001", ""})
            names.push_back(std::string(stem) + number + ".txt");
    ListQueue reference;
    reference.addNames(names);
    reference.queue().sort(NameKey);
    const std::vector<std::string> expected = reference.names();
    std::mt19937 random(12345);
    for (int round = 0; round < 5; ++round) {
        std::shuffle(names.begin(), names.end(), random);
        ListQueue q;
        q.addNames(names);
        q.queue().sort(NameKey);
        EXPECT_EQ(q.names(), expected);
        q.queue().sort(-NameKey);
        EXPECT_EQ(q.names(), std::vector<std::string>(expected.rbegin(), expected.rend()));
    }
}

TEST(QueueSortTest, SortsADateFieldOfADirectoryQueue)
{
    DirectoryEntryRecord buffer{};
    Queue queue(&buffer, DirectoryEntryDescription, sizeof buffer);
    for (const std::int32_t date : {20261211, 19691231, 20000101}) {
        ClearRecordBytes(&buffer, DirectoryEntryDescription);
        buffer.Date = date;
        queue.add();
    }
    queue.sort(DateKey);
    std::vector<std::int32_t> dates;
    for (int i = 1; i <= queue.count(); ++i) {
        queue.get(i);
        dates.push_back(+buffer.Date);
    }
    EXPECT_EQ(dates, (std::vector<std::int32_t>{19691231, 20000101, 20261211}));
}

} // namespace
} // namespace dirdock
