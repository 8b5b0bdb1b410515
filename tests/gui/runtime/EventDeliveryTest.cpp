// Every kind of event that a window raises reaches its procedure's thread.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QToolButton>

#include <atomic>
#include <future>

#include "RuntimeDriver.h"
#include "runtime/qt/FrameWindow.h"

namespace dirdock {
namespace {

using EventDeliveryTest = RuntimeTest;

std::int32_t AllowPresses(const Seen& seen)
{
    return seen.event == EvKeyPreAlert ? 1 : 0;
}

// Types each character as a key press carrying its text, as an input
// method would for characters outside the keyboard's own.
void Type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

std::vector<std::int32_t> EventsOf(const Probe& probe)
{
    std::vector<std::int32_t> events;
    for (const Seen& seen : probe.seen())
        events.push_back(seen.event);
    return events;
}

TEST_F(EventDeliveryTest, OpeningGivesOpenedAndActivatingGivesFocusGained)
{
    Probe first;
    first.start();
    ASSERT_TRUE(first.waitOpened());
    EXPECT_EQ(first.seen().front().event, EvOpened);
    Probe second;
    second.start();
    ASSERT_TRUE(second.waitOpened());
    const int focusBefore = first.countOf(EvFocusGained);
    mdiArea()->setActiveSubWindow(first.window());
    EXPECT_TRUE(first.waitFor(EvFocusGained, focusBefore + 1));
    EXPECT_EQ(first.last(EvFocusGained)->control, 0);
    CloseWindow(first.ref);
    CloseWindow(second.ref);
}

TEST_F(EventDeliveryTest, ResizingByHandGivesResizedButTheRuntimesOwnWritesDoNot)
{
    Probe probe;
    probe.start();
    ASSERT_TRUE(probe.waitOpened());
    SetProperty(probe.ref, 0, PropWidth, 250);
    SetProperty(probe.ref, 0, PropHeight, 120);
    ASSERT_TRUE(probe.sync());
    EXPECT_EQ(probe.countOf(EvResized), 1);
    CloseWindow(probe.ref);
}

struct RejectCase {
    const char* name;
    QString before;
    QString typed;
    bool rejected;
};

class EntryRejectTest : public RuntimeTest, public ::testing::WithParamInterface<RejectCase> {};

TEST_P(EntryRejectTest, TextLongerThanTheVariableIsRejected)
{
    const RejectCase& c = GetParam();
    Probe probe;
    probe.start();
    ASSERT_TRUE(probe.waitOpened());
    auto* entry = dynamic_cast<QLineEdit*>(probe.control(2));
    ASSERT_NE(entry, nullptr);
    entry->setText(c.before);
    entry->setFocus();
    Type(entry, c.typed);
    ASSERT_TRUE(probe.sync());
    if (c.rejected) {
        EXPECT_EQ(entry->text(), c.before);
        ASSERT_EQ(probe.countOf(EvRejected), 1);
        EXPECT_EQ(probe.last(EvRejected)->control, 2);
    } else {
        EXPECT_EQ(entry->text(), c.before + c.typed);
        EXPECT_EQ(probe.countOf(EvRejected), 0);
        EXPECT_EQ(probe.last(EvResized)->path, (c.before + c.typed).toStdString());
    }
    CloseWindow(probe.ref);
}

const QString e = QString::fromUtf8("\xc3\xa9"); // two bytes in UTF-8

INSTANTIATE_TEST_SUITE_P(
    Cases, EntryRejectTest,
    ::testing::Values(RejectCase{"FullPlusOne", QString(255, 'a'), "b", true},
                      RejectCase{"OneShortPlusOne", QString(254, 'a'), "b", false},
                      RejectCase{"TwoByteCharacterOverflows", e.repeated(127), e, true},
                      RejectCase{"OneByteFitsAfterTwoByteCharacters", e.repeated(127), "a", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EventDeliveryTest, ButtonClickGivesAcceptedWithTheTypedTextAlreadyInTheVariable)
{
    Probe probe;
    probe.flagFor = AllowPresses;
    probe.start();
    ASSERT_TRUE(probe.waitOpened());
    auto* entry = dynamic_cast<QLineEdit*>(probe.control(2));
    ASSERT_NE(entry, nullptr);
    entry->setFocus();
    QTest::keyClicks(entry, "/srv/data/");
    QTest::mouseClick(probe.control(3), Qt::LeftButton);
    ASSERT_TRUE(probe.waitFor(EvKeyAlerted));
    const std::optional<Seen> accepted = probe.last(EvAccepted);
    ASSERT_TRUE(accepted);
    EXPECT_EQ(accepted->control, 3);
    EXPECT_EQ(accepted->path, "/srv/data/");
    const std::vector<std::int32_t> events = EventsOf(probe);
    const auto pre = std::find(events.begin(), events.end(), EvKeyPreAlert);
    const auto acc = std::find(events.begin(), events.end(), EvAccepted);
    const auto alerted = std::find(events.begin(), events.end(), EvKeyAlerted);
    EXPECT_TRUE(pre < acc && acc < alerted) << "pre-alert, then the click, then alerted";
    CloseWindow(probe.ref);
}

// Typing goes on while the procedure is busy with an earlier event; a
// redraw from the variable in that pass must not throw the typing away.
TEST_F(EventDeliveryTest, TextTypedWhileTheProcedureRedrawsIsKept)
{
    std::promise<void> typed;
    std::shared_future<void> typedSignal = typed.get_future().share();
    std::atomic<bool> busy{false};
    Probe probe;
    probe.flagFor = AllowPresses;
    probe.onEvent = [&](Probe&, const Seen& seen) {
        if (seen.event != EvAccepted)
            return;
        busy = true;
        typedSignal.wait();
        Redisplay(0, 0);
    };
    probe.start();
    ASSERT_TRUE(probe.waitOpened());
    QTest::mouseClick(probe.control(3), Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return busy.load(); }));
    auto* entry = dynamic_cast<QLineEdit*>(probe.control(2));
    ASSERT_NE(entry, nullptr);
    entry->setFocus();
    QTest::keyClicks(entry, "/typed/meanwhile/");
    typed.set_value();
    ASSERT_TRUE(probe.sync());
    EXPECT_EQ(entry->text(), "/typed/meanwhile/");
    EXPECT_EQ(probe.last(EvResized)->path, "/typed/meanwhile/");
    CloseWindow(probe.ref);
}

// The toolbar: its region reports the pointer coming and going, and the
// button inside it is still inside.
TEST_F(EventDeliveryTest, RegionReportsPointerInAndOutButNotOntoItsButton)
{
    Probe toolbar(ToolbarKey);
    toolbar.onEvent = [](Probe&, const Seen& seen) {
        if (seen.event == EvOpened) {
            SetProperty(0, 0, PropX, 0);
            SetProperty(0, 0, PropY, 0);
            SetProperty(0, 0, PropHeight, 150);
            SetProperty(0, 0, PropWidth, 1);
        } else if (seen.event == EvPointerIn) {
            SetProperty(0, 0, PropWidth, 35);
        }
    };
    toolbar.start();
    ASSERT_TRUE(toolbar.waitOpened());
    ASSERT_TRUE(toolbar.sync());
    QWindow* handle = frame()->windowHandle();
    ASSERT_NE(handle, nullptr);
    QWidget* viewport = mdiArea()->viewport();
    const auto at = [&](QWidget* w, QPoint p) { return w->mapTo(frame(), p); };
    QTest::mouseMove(handle, at(viewport, QPoint(200, 60)));
    QTest::mouseMove(handle, at(viewport, QPoint(0, 60)));
    ASSERT_TRUE(toolbar.waitFor(EvPointerIn));
    EXPECT_EQ(toolbar.last(EvPointerIn)->control, 2);
    ASSERT_TRUE(WaitUntil([&] { return GetProperty(toolbar.ref, 0, PropWidth) == "35"; }));
    QWidget* button = toolbar.control(1);
    QTest::mouseMove(handle, at(button, button->rect().center()));
    ASSERT_TRUE(toolbar.sync());
    EXPECT_EQ(toolbar.countOf(EvPointerOut), 0) << "the button lies inside the region";
    const QWidget* content = toolbar.window()->widget();
    QTest::mouseMove(handle, at(viewport, QPoint(content->mapTo(viewport, QPoint(content->width() + 30, 60)).x(), 60)));
    ASSERT_TRUE(toolbar.waitFor(EvPointerOut));
    const std::optional<Seen> out = toolbar.last(EvPointerOut);
    EXPECT_EQ(out->control, 2);
    EXPECT_GT(out->pointerX, 35);
    CloseWindow(toolbar.ref);
}

} // namespace
} // namespace dirdock
