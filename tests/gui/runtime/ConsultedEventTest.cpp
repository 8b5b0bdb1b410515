// A press in a directory window is put to its procedure first: flag 1 lets
// it through and EvKeyAlerted follows, flag 0 drops it, and a window whose
// procedure is busy does not carry it out.

#include <QHeaderView>
#include <QTest>

#include <future>

#include "RuntimeDriver.h"
#include "runtime/qt/ListView.h"

namespace dirdock {
namespace {

const std::vector<std::pair<std::string, std::int32_t>> ThreeRows = {{"alpha.txt", 30}, {"beta.txt", 10}, {"gamma.txt", 20}};

// Fills the list when the window opens and notes the list's press at every
// EvKeyAlerted, as the column sort reads it.
void ListProbe(Probe& probe, std::int32_t preAlertFlag)
{
    probe.onEvent = [](Probe& self, const Seen& seen) {
        if (seen.event == EvOpened) {
            FillList(self.list, ThreeRows);
            Redisplay(4, 0);
        } else if (seen.event == EvKeyAlerted) {
            self.note(GetProperty(0, 4, PropClickRow) + "/" + GetProperty(0, 4, PropClickColumn));
        }
    };
    probe.flagFor = [preAlertFlag](const Seen& seen) { return seen.event == EvKeyPreAlert ? preAlertFlag : 0; };
}

ListView* ListOf(Probe& probe)
{
    return dynamic_cast<ListView*>(probe.control(4));
}

QPoint RowCentre(ListView* list, int row)
{
    return list->visualRect(list->model()->index(row, 0)).center();
}

QPoint HeaderCentre(ListView* list, int column)
{
    QHeaderView* header = list->header();
    return QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
}

using ConsultedEventTest = RuntimeTest;

TEST_F(ConsultedEventTest, FlagOneLetsARowPressThroughBeforeKeyAlerted)
{
    Probe probe;
    ListProbe(probe, 1);
    probe.start();
    ASSERT_TRUE(probe.waitOpened());
    ListView* list = ListOf(probe);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->rowCount(), 3);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 1));
    ASSERT_TRUE(probe.waitFor(EvKeyAlerted));
    EXPECT_EQ(probe.last(EvKeyPreAlert)->control, 4);
    EXPECT_EQ(probe.last(EvKeyAlerted)->control, 4);
    ASSERT_EQ(probe.notes().size(), 1u);
    EXPECT_EQ(probe.notes().front().substr(0, 2), "2/");
    EXPECT_EQ(list->currentIndex().row(), 1);
    EXPECT_EQ(LastKeyCode(), KeyLeftButton);
    CloseWindow(probe.ref);
}

TEST_F(ConsultedEventTest, FlagOneLetsAHeaderPressThroughAsRowZero)
{
    Probe probe;
    ListProbe(probe, 1);
    probe.start();
    ASSERT_TRUE(probe.waitOpened());
    ListView* list = ListOf(probe);
    QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {}, HeaderCentre(list, 4));
    ASSERT_TRUE(probe.waitFor(EvKeyAlerted));
    ASSERT_EQ(probe.notes().size(), 1u);
    EXPECT_EQ(probe.notes().front(), "0/5");
    CloseWindow(probe.ref);
}

TEST_F(ConsultedEventTest, FlagZeroDropsThePress)
{
    Probe probe;
    ListProbe(probe, 0);
    probe.start();
    ASSERT_TRUE(probe.waitOpened());
    ListView* list = ListOf(probe);
    const std::int32_t rowBefore = list->clickRow();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 2));
    ASSERT_TRUE(probe.waitFor(EvKeyPreAlert));
    ASSERT_TRUE(probe.sync());
    EXPECT_EQ(probe.countOf(EvKeyAlerted), 0);
    EXPECT_EQ(list->clickRow(), rowBefore);
    EXPECT_NE(list->currentIndex().row(), 2);
    CloseWindow(probe.ref);
}

TEST_F(ConsultedEventTest, ABusyProcedureDoesNotCarryOutThePress)
{
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    Probe probe;
    ListProbe(probe, 1);
    const auto fill = probe.onEvent;
    std::atomic<bool> busy{false};
    probe.onEvent = [&, fill](Probe& self, const Seen& seen) {
        fill(self, seen);
        if (seen.event == EvOpened) {
            busy = true;
            released.wait();
        }
    };
    probe.start();
    ASSERT_TRUE(WaitUntil([&] { return busy.load(); }));
    ListView* list = ListOf(probe);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 2));
    EXPECT_EQ(list->clickRow(), 0);
    release.set_value();
    ASSERT_TRUE(probe.waitOpened());
    ASSERT_TRUE(probe.sync());
    EXPECT_EQ(probe.countOf(EvKeyPreAlert), 0);
    EXPECT_EQ(probe.countOf(EvKeyAlerted), 0);
    EXPECT_EQ(list->clickRow(), 0);
    CloseWindow(probe.ref);
}

// A procedure busy for a moment gets the press once it is back in its loop.
TEST_F(ConsultedEventTest, APressWhileBrieflyBusyIsPutToTheProcedureOnceItIsFree)
{
    SetLastKeyCode(0);
    Probe probe;
    ListProbe(probe, 1);
    const auto fill = probe.onEvent;
    std::atomic<bool> busy{false};
    probe.onEvent = [&, fill](Probe& self, const Seen& seen) {
        fill(self, seen);
        if (seen.event != EvOpened)
            return;
        busy = true;
        // Busy with runtime calls until the press has been seen: the GUI
        // thread serves them while it holds the press.
        while (LastKeyCode() != KeyLeftButton)
            GetProperty(0, 4, PropClickRow);
    };
    probe.start();
    ASSERT_TRUE(WaitUntil([&] { return busy.load(); }));
    ListView* list = ListOf(probe);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 2));
    ASSERT_TRUE(probe.waitFor(EvKeyAlerted));
    EXPECT_EQ(list->clickRow(), 3);
    CloseWindow(probe.ref);
}

TEST_F(ConsultedEventTest, APressOnAnotherControlIsAlertedToo)
{
    Probe probe;
    ListProbe(probe, 1);
    probe.start();
    ASSERT_TRUE(probe.waitOpened());
    QTest::mouseClick(probe.control(2), Qt::LeftButton);
    ASSERT_TRUE(probe.waitFor(EvKeyAlerted));
    EXPECT_EQ(probe.last(EvKeyPreAlert)->control, 2);
    // The press reached the entry: a click gives it the focus.
    EXPECT_EQ(probe.control(2)->window()->focusWidget(), probe.control(2));
    CloseWindow(probe.ref);
}

TEST_F(ConsultedEventTest, RightPressIsNotAlertedButRecordedAsKeyTwo)
{
    Probe probe;
    ListProbe(probe, 1);
    probe.start();
    ASSERT_TRUE(probe.waitOpened());
    QTest::mouseClick(ListOf(probe)->viewport(), Qt::RightButton, {}, RowCentre(ListOf(probe), 0));
    EXPECT_EQ(LastKeyCode(), KeyRightButton);
    ASSERT_TRUE(probe.sync());
    EXPECT_EQ(probe.countOf(EvKeyPreAlert), 0);
    CloseWindow(probe.ref);
}

} // namespace
} // namespace dirdock
