#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "QtPrinting.h"
#include "ListRows.h"
#include "WaitFor.h"
#include "runtime/qt/ListItemDelegate.h"
#include "runtime/qt/ListModel.h"
#include "runtime/qt/ListView.h"

namespace dirdock::test {
namespace {

class ListViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        view = std::make_unique<ListView>(format, units, DisplayLocale{});
        view->resize(units.toPixelsX(327) + 4, 300);
        view->setSnapshot(MakeSnapshot({
            {"alpha.txt", "ALPHA.TXT", 20240101, TimeNumber(8, 0, 0), 10},
            {"beta.txt", "BETA.TXT", 20240202, TimeNumber(9, 0, 0), 20},
            {"gamma.txt", "GAMMA.TXT", 20240303, TimeNumber(10, 0, 0), 30},
        }));
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }

    QHeaderView* header() const { return view->header(); }

    QPoint headerPoint(int section) const
    {
        return {header()->sectionViewportPosition(section) + header()->sectionSize(section) / 2, header()->height() / 2};
    }

    QPoint cellPoint(int row, int column) const
    {
        return view->visualRect(view->model()->index(row, column)).center();
    }

    void pressHeader(QPoint at)
    {
        QTest::mousePress(header()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(header()->viewport(), Qt::LeftButton, {}, at);
    }

    QImage rowsImage() const { return view->viewport()->grab().toImage(); }

    ListFormat format = ListFormat::parse(DirectoryListFormat());
    DialogUnits units;
    std::unique_ptr<ListView> view;
};

struct ColumnCase {
    int width;
    QHeaderView::ResizeMode mode;
    bool rightLine;
};

const ColumnCase DirectoryColumns[] = {
    {117, QHeaderView::Interactive, true}, {62, QHeaderView::Interactive, true}, {45, QHeaderView::Interactive, true},
    {42, QHeaderView::Fixed, true},        {56, QHeaderView::Fixed, false},
};

TEST_F(ListViewTest, LaysOutColumnsFromTheListFormat)
{
    ASSERT_FALSE(format.error.has_value());
    ASSERT_EQ(header()->count(), 5);
    const auto* delegate = qobject_cast<ListItemDelegate*>(view->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    for (int section = 0; section < 5; ++section) {
        const ColumnCase& c = DirectoryColumns[section];
        EXPECT_EQ(header()->sectionSize(section), units.toPixelsX(c.width)) << section;
        EXPECT_EQ(header()->sectionResizeMode(section), c.mode) << section;
        EXPECT_EQ(delegate->look(section).rightLine, c.rightLine) << section;
        EXPECT_EQ(delegate->look(section).indent, units.toPixelsX(1)) << section;
    }
    EXPECT_FALSE(header()->stretchLastSection());
    EXPECT_FALSE(view->isSortingEnabled());
    EXPECT_FALSE(header()->isSortIndicatorShown());
    EXPECT_FALSE(header()->sectionsMovable());
    EXPECT_FALSE(view->rootIsDecorated());
    EXPECT_TRUE(view->uniformRowHeights());
    EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(view->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(view->alternatingRowColors());
}

TEST_F(ListViewTest, PaintsALineAtTheRightEdgeOfColumnsThatHaveOne)
{
    const QImage image = rowsImage();
    const QColor line = view->palette().color(QPalette::Mid);
    const QColor base = view->palette().color(QPalette::Base);
    ASSERT_NE(line.rgb(), base.rgb());
    const int dpr = static_cast<int>(image.devicePixelRatio());
    // Down the whole row height of a row, and of the empty space below.
    const QRect row = view->visualRect(view->model()->index(1, 0));
    for (int section = 0; section < 5; ++section) {
        const int x = header()->sectionViewportPosition(section) + header()->sectionSize(section) - 1;
        for (int y : {row.top(), row.center().y(), row.bottom()}) {
            const QColor pixel = image.pixelColor(x * dpr, y * dpr);
            EXPECT_EQ(pixel.rgb() == line.rgb(), DirectoryColumns[section].rightLine) << "column " << section + 1 << " y " << y;
        }
    }
}

TEST_F(ListViewTest, AHeaderPressRecordsRowZeroAndTheColumn)
{
    for (int section = 0; section < 5; ++section) {
        view->setClickRow(1);
        QSignalSpy recorded(view.get(), &ListView::pressRecorded);
        pressHeader(headerPoint(section));
        EXPECT_EQ(view->clickRow(), 0) << section;
        EXPECT_EQ(view->clickColumn(), QString::number(section + 1));
        EXPECT_EQ(recorded.count(), 1) << section;
    }
}

TEST_F(ListViewTest, NothingIsRecordedBeforeAnyPress)
{
    EXPECT_EQ(view->clickRow(), 0);
    EXPECT_EQ(view->clickColumn(), QString());
}

struct EdgePressCase {
    int boundary;        // the edge after this section (from 0)
    int offset;          // pixels from the edge's last pixel: negative left, positive right
    int resizedSection;  // the section a drag resizes, -1 for none
    const char* column;  // the column recorded, "" for none
};

// Presses within the grip of an edge: on a resizable column's edge they
// drag it and record nothing; on a fixed column's edge they are presses on
// the section under the pointer.
TEST_F(ListViewTest, PressesOnColumnEdges)
{
    const EdgePressCase cases[] = {
        {0, 0, 0, ""},  {0, 2, 0, ""},  {1, 0, 1, ""},  {2, 0, 2, ""},  {2, 2, 2, ""},
        {3, 0, -1, "4"}, {3, 2, -1, "5"}, {4, 0, -1, "5"},
    };
    for (const EdgePressCase& c : cases) {
        view->setClickRow(1);
        const QString columnBefore = view->clickColumn();
        std::vector<int> sizesBefore;
        for (int section = 0; section < 5; ++section)
            sizesBefore.push_back(header()->sectionSize(section));
        QSignalSpy recorded(view.get(), &ListView::pressRecorded);
        const int edge = header()->sectionViewportPosition(c.boundary) + header()->sectionSize(c.boundary) - 1;
        const QPoint at(edge + c.offset, header()->height() / 2);
        QTest::mousePress(header()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseMove(header()->viewport(), at + QPoint(20, 0));
        QTest::mouseRelease(header()->viewport(), Qt::LeftButton, {}, at + QPoint(20, 0));
        const std::string where = "edge " + std::to_string(c.boundary + 1) + " offset " + std::to_string(c.offset);
        for (int section = 0; section < 5; ++section) {
            if (section == c.resizedSection)
                EXPECT_GT(header()->sectionSize(section), sizesBefore[section]) << where;
            else
                EXPECT_EQ(header()->sectionSize(section), sizesBefore[section]) << where << " section " << section;
        }
        if (c.resizedSection >= 0) {
            EXPECT_EQ(view->clickRow(), 1) << where;
            EXPECT_EQ(view->clickColumn(), columnBefore) << where;
            EXPECT_EQ(recorded.count(), 0) << where;
            header()->resizeSection(c.resizedSection, sizesBefore[c.resizedSection]);
        } else {
            EXPECT_EQ(view->clickRow(), 0) << where;
            EXPECT_EQ(view->clickColumn(), QString::fromUtf8(c.column)) << where;
            EXPECT_EQ(recorded.count(), 1) << where;
        }
    }
}

struct RowPressCase {
    int row;
    int column;
};

TEST_F(ListViewTest, ARowPressRecordsTheRowFromOneAndItsColumn)
{
    const RowPressCase cases[] = {{0, 0}, {1, 2}, {2, 4}, {1, 0}};
    for (const RowPressCase& c : cases) {
        QSignalSpy recorded(view.get(), &ListView::pressRecorded);
        int selectedWhenRecorded = -1;
        const auto connection = QObject::connect(view.get(), &ListView::pressRecorded, view.get(),
                                        [&] { selectedWhenRecorded = view->currentIndex().row(); });
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellPoint(c.row, c.column));
        QObject::disconnect(connection);
        EXPECT_EQ(view->clickRow(), c.row + 1);
        EXPECT_EQ(view->clickColumn(), QString::number(c.column + 1));
        EXPECT_EQ(recorded.count(), 1);
        EXPECT_EQ(selectedWhenRecorded, c.row);
    }
}

TEST_F(ListViewTest, APressBelowTheRowsRecordsNothing)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellPoint(1, 1));
    view->setClickRow(1);
    QSignalSpy recorded(view.get(), &ListView::pressRecorded);
    const QRect last = view->visualRect(view->model()->index(2, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(last.center().x(), last.bottom() + 40));
    EXPECT_EQ(view->clickRow(), 1);
    EXPECT_EQ(view->clickColumn(), QStringLiteral("2"));
    EXPECT_EQ(recorded.count(), 0);
}

TEST_F(ListViewTest, ARightButtonPressRecordsNothing)
{
    QSignalSpy recorded(view.get(), &ListView::pressRecorded);
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, cellPoint(1, 1));
    EXPECT_EQ(view->clickRow(), 0);
    EXPECT_EQ(recorded.count(), 0);
}

TEST_F(ListViewTest, HeaderPressesNeverSortTheRows)
{
    pressHeader(headerPoint(4));
    pressHeader(headerPoint(4));
    pressHeader(headerPoint(0));
    EXPECT_EQ(view->listModel()->cellText(0, 0).trimmed(), QStringLiteral("alpha.txt"));
    EXPECT_EQ(view->listModel()->cellText(2, 0).trimmed(), QStringLiteral("gamma.txt"));
}

TEST_F(ListViewTest, KeepsTheCurrentRowWhileItExists)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellPoint(1, 0));
    ASSERT_EQ(view->currentIndex().row(), 1);
    view->setSnapshot(MakeSnapshot({{"x", "X", 1, 1, 1}, {"y", "Y", 1, 1, 2}, {"z", "Z", 1, 1, 3}, {"w", "W", 1, 1, 4}}));
    EXPECT_EQ(view->currentIndex().row(), 1);
    EXPECT_EQ(view->rowCount(), 4);
    view->setSnapshot(MakeSnapshot({{"only", "ONLY", 1, 1, 1}}));
    EXPECT_FALSE(view->currentIndex().isValid());
    EXPECT_EQ(view->rowCount(), 1);
}

TEST_F(ListViewTest, CopiesTheCurrentRowTabSeparated)
{
    view->setCurrentIndex(QModelIndex());
    EXPECT_EQ(view->selectedRowText(), QString());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellPoint(1, 3));
    const QStringList cells = view->selectedRowText().split(QLatin1Char('\t'));
    ASSERT_EQ(cells.size(), 5);
    EXPECT_EQ(cells[0].trimmed(), QStringLiteral("beta.txt"));
    EXPECT_EQ(cells[1].trimmed(), QStringLiteral("BETA.TXT"));
    EXPECT_EQ(cells[2].trimmed(), QStringLiteral("02-02-2024"));
    EXPECT_EQ(cells[3].trimmed(), QStringLiteral("09:00:00"));
    EXPECT_EQ(cells[4].trimmed(), QStringLiteral("20"));
}

TEST_F(ListViewTest, FirstColumnScrollsSidewaysWithinItself)
{
    QScrollBar* bar = view->firstColumnScrollBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(WaitFor([&] { return bar->isVisible(); }));
    const int width = header()->sectionSize(0);
    EXPECT_EQ(bar->maximum(), units.toPixelsX(200) - width);
    EXPECT_EQ(bar->geometry().width(), width);
    EXPECT_EQ(bar->geometry().left(), view->viewport()->geometry().left() + header()->sectionViewportPosition(0));
    EXPECT_GT(bar->geometry().top(), view->viewport()->geometry().bottom());

    view->setSnapshot(MakeSnapshot({{"a_name_wide_enough_to_be_scrolled_within_its_column.txt", "A", 1, 1, 1}}));
    const QImage before = rowsImage();
    bar->setValue(bar->maximum());
    ASSERT_TRUE(WaitFor([&] { return rowsImage() != before; }));
    const QImage after = rowsImage();
    const QRect row = view->visualRect(view->model()->index(0, 0));
    const int dpr = static_cast<int>(after.devicePixelRatio());
    const auto columnPixels = [&](const QImage& image, int section) {
        const int left = header()->sectionViewportPosition(section);
        return image.copy(QRect(left * dpr, row.top() * dpr, header()->sectionSize(section) * dpr, row.height() * dpr));
    };
    EXPECT_NE(columnPixels(before, 0), columnPixels(after, 0));
    for (int section = 1; section < 5; ++section)
        EXPECT_EQ(columnPixels(before, section), columnPixels(after, section)) << section;
}

TEST_F(ListViewTest, FirstColumnBarGoesWhenTheColumnIsWideEnough)
{
    QScrollBar* bar = view->firstColumnScrollBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(WaitFor([&] { return bar->isVisible(); }));
    header()->resizeSection(0, units.toPixelsX(200));
    EXPECT_TRUE(WaitFor([&] { return !bar->isVisible(); }));
    header()->resizeSection(0, units.toPixelsX(100));
    ASSERT_TRUE(WaitFor([&] { return bar->isVisible(); }));
    EXPECT_EQ(bar->maximum(), units.toPixelsX(200) - units.toPixelsX(100));
    EXPECT_EQ(bar->geometry().width(), units.toPixelsX(100));
}

// Counts the cells formatted for display.
class CountingListModel : public ListModel {
public:
    using ListModel::ListModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole) {
            ++formatted;
            lowestRow = std::min(lowestRow, index.row());
            highestRow = std::max(highestRow, index.row());
            rowsSeen.insert(index.row());
        }
        return ListModel::data(index, role);
    }

    void forget()
    {
        formatted = 0;
        lowestRow = INT_MAX;
        highestRow = -1;
        rowsSeen.clear();
    }

    mutable long formatted = 0;
    mutable int lowestRow = INT_MAX;
    mutable int highestRow = -1;
    mutable std::set<int> rowsSeen;
};

TEST(ListViewLongList, FormatsOnlyTheRowsInSight)
{
    const ListFormat format = ListFormat::parse(DirectoryListFormat());
    auto* model = new CountingListModel(format, DisplayLocale{});
    ListView view(model, format, DialogUnits{});
    view.resize(500, 300);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    model->forget();
    view.setSnapshot(MakeNumberedSnapshot(100000));
    ASSERT_EQ(view.rowCount(), 100000);
    view.viewport()->repaint();
    const int rowsInSight = view.viewport()->height() / std::max(1, view.sizeHintForRow(0)) + 1;
    EXPECT_GT(model->formatted, 0);
    EXPECT_LE(model->highestRow, rowsInSight);
    EXPECT_LE(static_cast<int>(model->rowsSeen.size()), rowsInSight + 1);

    model->forget();
    view.scrollToBottom();
    view.viewport()->repaint();
    EXPECT_EQ(model->highestRow, 99999);
    // The first row may be asked again for the uniform row height.
    const auto middle = model->rowsSeen.upper_bound(0);
    ASSERT_NE(middle, model->rowsSeen.end());
    EXPECT_GE(*middle, 99999 - rowsInSight);
    EXPECT_LE(static_cast<int>(model->rowsSeen.size()), rowsInSight + 2);
}

} // namespace
} // namespace dirdock::test
