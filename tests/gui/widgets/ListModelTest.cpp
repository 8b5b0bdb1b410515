#include <QStandardItemModel>

#include <gtest/gtest.h>

#include "QtPrinting.h"
#include "ListRows.h"
#include "runtime/qt/ListModel.h"

namespace dirdock::test {
namespace {

class ListModelTest : public ::testing::Test {
protected:
    ListModelTest() : model(ListFormat::parse(DirectoryListFormat()), DisplayLocale{})
    {
        model.setSnapshot(MakeSnapshot({
            {"report.txt", "REPORT.TXT", 20240312, TimeNumber(13, 5, 9), 1234567},
            {"a", "A", 19991231, TimeNumber(0, 0, 0), 0},
            {"line\nbreak", "LINEBR~1", 20000101, TimeNumber(23, 59, 59), -5},
        }));
    }

    QString cell(int row, int column) const
    {
        return model.data(model.index(row, column), Qt::DisplayRole).toString().trimmed();
    }

    ListModel model;
};

struct CellCase {
    int row;
    int column;
    const char* shown;
};

TEST_F(ListModelTest, FormatsEachCellWithItsColumnsPicture)
{
    const CellCase cases[] = {
        {0, 0, "report.txt"}, {0, 1, "REPORT.TXT"}, {0, 2, "12-03-2024"}, {0, 3, "13:05:09"},
        {0, 4, "1,234,567"},  {1, 0, "a"},          {1, 2, "31-12-1999"}, {1, 3, "00:00:00"},
        {1, 4, "0"},          {2, 3, "23:59:59"},   {2, 4, "-5"},
    };
    for (const CellCase& c : cases)
        EXPECT_EQ(cell(c.row, c.column), QString::fromUtf8(c.shown)) << "row " << c.row << " column " << c.column;
}

TEST_F(ListModelTest, ShowsControlCharactersOnOneLine)
{
    const QString name = cell(2, 0);
    EXPECT_FALSE(name.contains(QLatin1Char('\n')));
    EXPECT_TRUE(name.startsWith(QStringLiteral("line")));
    EXPECT_TRUE(name.endsWith(QStringLiteral("break")));
    EXPECT_GT(name.size(), QStringLiteral("linebreak").size());
}

TEST_F(ListModelTest, ShowsANameThatIsNotUtf8WithoutLosingTheRest)
{
    model.setSnapshot(MakeSnapshot({{"bad\xff\xfe.txt", "BAD~1.TXT", 20240312, 1, 1}}));
    const QString name = cell(0, 0);
    EXPECT_TRUE(name.startsWith(QStringLiteral("bad")));
    EXPECT_TRUE(name.endsWith(QStringLiteral(".txt")));
    EXPECT_EQ(cell(0, 1), QStringLiteral("BAD~1.TXT"));
}

TEST_F(ListModelTest, ShowsAFullLengthNameWhole)
{
    const std::string longName(255, 'n');
    model.setSnapshot(MakeSnapshot({{longName, "NNNNNN~1", 20240312, 1, 1}}));
    EXPECT_EQ(cell(0, 0), QString::fromStdString(longName));
}

TEST_F(ListModelTest, HasOneRowPerRecordAndOneColumnPerFormatColumn)
{
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 5);
    EXPECT_EQ(model.rowCount(model.index(0, 0)), 0);
    EXPECT_EQ(model.columnCount(model.index(0, 0)), 0);
}

TEST_F(ListModelTest, OutOfRangeCellsAreEmpty)
{
    // Indexes that this model would never hand out for its own cells.
    QStandardItemModel other(10, 10);
    const QModelIndex foreign[] = {other.index(3, 0), other.index(0, 5), other.index(9, 9), QModelIndex()};
    for (const QModelIndex& index : foreign)
        EXPECT_FALSE(model.data(index, Qt::DisplayRole).isValid()) << index.row() << "," << index.column();
    EXPECT_FALSE(model.index(3, 0).isValid());
    EXPECT_FALSE(model.index(0, 5).isValid());
    EXPECT_TRUE(model.cellText(3, 0).isEmpty());
    EXPECT_TRUE(model.cellText(-1, 0).isEmpty());
    EXPECT_TRUE(model.cellText(0, 5).isEmpty());
    EXPECT_TRUE(model.cellText(0, -1).isEmpty());
}

TEST_F(ListModelTest, AnIndexKeptAcrossAShorterSnapshotReadsEmpty)
{
    const QModelIndex last = model.index(2, 0);
    model.setSnapshot(MakeSnapshot({{"only", "ONLY", 20240312, 1, 1}}));
    EXPECT_FALSE(model.data(last, Qt::DisplayRole).isValid());
    EXPECT_FALSE(model.data(last, Qt::TextAlignmentRole).isValid());
}

TEST_F(ListModelTest, MalformedSnapshotsShowNothingRatherThanReadBeyondARecord)
{
    ListSnapshot noSize = MakeSnapshot({{"x", "X", 1, 1, 1}});
    noSize.recordSize = 0;
    model.setSnapshot(noSize);
    EXPECT_EQ(model.rowCount(), 0);

    ListSnapshot partial = MakeSnapshot({{"x", "X", 1, 1, 1}});
    partial.records.resize(partial.recordSize - 1);
    model.setSnapshot(partial);
    EXPECT_EQ(model.rowCount(), 0);

    ListSnapshot shortRecords = MakeSnapshot({{"x", "X", 1, 1, 1}});
    shortRecords.recordSize = 100; // the fields lie beyond it
    shortRecords.records.resize(200);
    model.setSnapshot(shortRecords);
    ASSERT_EQ(model.rowCount(), 2);
    for (int column = 1; column < 5; ++column)
        EXPECT_TRUE(model.cellText(0, column).isEmpty()) << column;

    ListSnapshot fewFields = MakeSnapshot({{"x", "X", 1, 1, 1}});
    fewFields.fields.resize(2);
    model.setSnapshot(fewFields);
    EXPECT_EQ(model.cellText(0, 1).trimmed(), QStringLiteral("X"));
    EXPECT_TRUE(model.cellText(0, 2).isEmpty());
}

struct HeaderCase {
    int section;
    const char* text;
    Qt::Alignment header;
    Qt::Alignment data;
};

TEST_F(ListModelTest, GivesHeaderTextsAndAlignments)
{
    const HeaderCase cases[] = {
        {0, "Long filename", Qt::AlignLeft, Qt::AlignLeft},
        {1, "Short filename", Qt::AlignLeft, Qt::AlignLeft},
        {2, "Date", Qt::AlignLeft, Qt::AlignRight},
        {3, "Time", Qt::AlignLeft, Qt::AlignRight},
        {4, "Size", Qt::AlignLeft, Qt::AlignRight},
    };
    for (const HeaderCase& c : cases) {
        EXPECT_EQ(model.headerData(c.section, Qt::Horizontal).toString(), QString::fromUtf8(c.text));
        const auto header = Qt::Alignment(model.headerData(c.section, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
        EXPECT_EQ(header & Qt::AlignHorizontal_Mask, c.header) << c.section;
        const auto data = Qt::Alignment(model.data(model.index(0, c.section), Qt::TextAlignmentRole).toInt());
        EXPECT_EQ(data & Qt::AlignHorizontal_Mask, c.data) << c.section;
    }
    EXPECT_FALSE(model.headerData(5, Qt::Horizontal).isValid());
    EXPECT_FALSE(model.headerData(-1, Qt::Horizontal).isValid());
    EXPECT_FALSE(model.headerData(0, Qt::Vertical).isValid());
}

TEST(ListModelFormat, HeaderAlignmentLettersAreHonoured)
{
    const ListModel model(ListFormat::parse("20L(0)~Left~L@s5@20L(0)~Centre~C@s5@20L(0)~Right~R@s5@20R(0)~None~@s5@"),
                          DisplayLocale{});
    const Qt::Alignment expected[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignLeft};
    ASSERT_EQ(model.columnCount(), 4);
    for (int section = 0; section < 4; ++section) {
        const auto header = Qt::Alignment(model.headerData(section, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
        EXPECT_EQ(header & Qt::AlignHorizontal_Mask, expected[section]) << section;
    }
}

TEST(ListModelFormat, CellsAreNeitherEditableNorParents)
{
    ListModel model(ListFormat::parse(DirectoryListFormat()), DisplayLocale{});
    model.setSnapshot(MakeSnapshot({{"x", "X", 1, 1, 1}}));
    const Qt::ItemFlags flags = model.flags(model.index(0, 0));
    EXPECT_TRUE(flags.testFlag(Qt::ItemIsSelectable));
    EXPECT_FALSE(flags.testFlag(Qt::ItemIsEditable));
    EXPECT_TRUE(flags.testFlag(Qt::ItemNeverHasChildren));
}

} // namespace
} // namespace dirdock::test
