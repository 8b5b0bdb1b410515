// Properties read back what was written, in dialog units, and a write moves
// or resizes the widget before it returns.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>

#include "RuntimeDriver.h"
#include "runtime/qt/ChildWindow.h"
#include "runtime/qt/FrameWindow.h"
#include "runtime/qt/WindowRegistry.h"

namespace dirdock {
namespace {

struct PropertyCase {
    int control;
    Property property;
    std::string value;
};

const std::vector<PropertyCase> DirectoryCases = {
    {0, PropX, "12"},     {0, PropY, "9"},       {0, PropWidth, "250"},  {0, PropHeight, "140"},
    {0, PropWidth, "33"}, {0, PropHeight, "17"}, {0, PropX, "-4"},       {1, PropX, "6"},
    {1, PropWidth, "31"}, {2, PropY, "14"},      {2, PropWidth, "101"},  {3, PropHeight, "13"},
    {4, PropX, "5"},      {4, PropHeight, "99"}, {4, PropWidth, "327"},  {0, PropText, "Elsewhere"},
    {0, PropText, ""},    {1, PropText, "Sti:"}, {2, PropText, "C:\\data\\*.*"}, {3, PropText, "Go"},
};

// The pixels a geometry property shows on the widget itself.
int WidgetPixels(QWidget* widget, int control, Property property)
{
    QSize size = widget->size();
    if (auto* child = dynamic_cast<ChildWindow*>(widget); child != nullptr && control == 0)
        size = child->clientSize();
    switch (property) {
    case PropX:
        return widget->x();
    case PropY:
        return widget->y();
    case PropWidth:
        return size.width();
    default:
        return size.height();
    }
}

int ExpectedPixels(const DialogUnits& units, Property property, int value)
{
    return property == PropX || property == PropWidth ? units.toPixelsX(value) : units.toPixelsY(value);
}

QString WidgetText(QWidget* widget)
{
    if (auto* label = dynamic_cast<QLabel*>(widget))
        return label->text();
    if (auto* entry = dynamic_cast<QLineEdit*>(widget))
        return entry->text();
    if (auto* button = dynamic_cast<QAbstractButton*>(widget))
        return button->text();
    return widget->windowTitle();
}

void ExpectWidgetShows(Probe& probe, const PropertyCase& c)
{
    std::shared_ptr<WindowState> state = FindWindow(probe.ref);
    ASSERT_TRUE(state);
    QWidget* widget = c.control == 0 ? probe.window() : probe.control(c.control);
    ASSERT_NE(widget, nullptr);
    if (c.property == PropText)
        EXPECT_EQ(WidgetText(widget).toStdString(), c.value);
    else
        EXPECT_EQ(WidgetPixels(widget, c.control, c.property),
                  ExpectedPixels(state->gui.units, c.property, std::stoi(c.value)));
}

using PropertyTest = RuntimeTest;

TEST_F(PropertyTest, WritesOnTheGuiThreadReadBackAndShowOnTheWidget)
{
    Probe probe;
    probe.start();
    ASSERT_TRUE(probe.waitOpened());
    for (const PropertyCase& c : DirectoryCases) {
        SCOPED_TRACE(::testing::Message() << "control " << c.control << " property " << c.property << " = " << c.value);
        SetProperty(probe.ref, c.control, c.property, c.value);
        EXPECT_EQ(GetProperty(probe.ref, c.control, c.property), c.value);
        ExpectWidgetShows(probe, c);
    }
    CloseWindow(probe.ref);
}

TEST_F(PropertyTest, WritesFromTheProcedureThreadReadBackAndShowOnTheWidget)
{
    for (const PropertyCase& c : DirectoryCases) {
        SCOPED_TRACE(::testing::Message() << "control " << c.control << " property " << c.property << " = " << c.value);
        Probe probe;
        probe.onEvent = [&c](Probe& self, const Seen& seen) {
            if (seen.event != EvOpened)
                return;
            SetProperty(0, c.control, c.property, c.value);
            self.note(GetProperty(0, c.control, c.property));
        };
        probe.start();
        ASSERT_TRUE(probe.waitOpened());
        ASSERT_EQ(probe.notes().size(), 1u);
        EXPECT_EQ(probe.notes().front(), c.value);
        ExpectWidgetShows(probe, c);
        CloseWindow(probe.ref);
    }
}

TEST_F(PropertyTest, NumbersWrittenAsNumbersReadAsTheirDecimalText)
{
    Probe probe;
    probe.start();
    ASSERT_TRUE(probe.waitOpened());
    SetProperty(probe.ref, 0, PropWidth, 35);
    EXPECT_EQ(GetProperty(probe.ref, 0, PropWidth), "35");
    SetProperty(probe.ref, 0, PropWidth, 1);
    EXPECT_EQ(GetProperty(probe.ref, 0, PropWidth), "1");
    EXPECT_EQ(GetProperty(probe.ref, 0, PropAcceptSweep), "0");
    CloseWindow(probe.ref);
}

TEST_F(PropertyTest, WindowsStartWithTheirDefinitionsCaptionAndSize)
{
    EXPECT_EQ(GetProperty(frameRef, 0, PropText), "Docking Toolbar and Long Filename directory demo");
    EXPECT_EQ(GetProperty(frameRef, 0, PropWidth), "400");
    EXPECT_EQ(GetProperty(frameRef, 0, PropHeight), "283");
    Probe probe;
    probe.start();
    ASSERT_TRUE(probe.waitOpened());
    EXPECT_EQ(GetProperty(probe.ref, 0, PropText), "Directory");
    EXPECT_EQ(GetProperty(probe.ref, 0, PropWidth), "337");
    EXPECT_EQ(GetProperty(probe.ref, 0, PropHeight), "188");
    EXPECT_EQ(GetProperty(probe.ref, 1, PropText), "Path:");
    EXPECT_EQ(GetProperty(probe.ref, 4, PropX), "4");
    EXPECT_EQ(GetProperty(probe.ref, 4, PropY), "27");
    CloseWindow(probe.ref);
}

TEST_F(PropertyTest, ToolbarTakesItsWidthsOfOneAndThirtyFiveUnits)
{
    Probe toolbar(ToolbarKey);
    toolbar.start();
    ASSERT_TRUE(toolbar.waitOpened());
    for (const int width : {1, 35, 1}) {
        SetProperty(toolbar.ref, 0, PropWidth, width);
        EXPECT_EQ(GetProperty(toolbar.ref, 0, PropWidth), std::to_string(width));
        std::shared_ptr<WindowState> state = FindWindow(toolbar.ref);
        EXPECT_EQ(toolbar.window()->widget()->width(), state->gui.units.toPixelsX(width));
        // The region covers the whole client area at every width.
        EXPECT_EQ(toolbar.control(2)->geometry(), toolbar.window()->widget()->rect());
    }
    EXPECT_TRUE(toolbar.window()->windowFlags() & Qt::FramelessWindowHint);
    CloseWindow(toolbar.ref);
}

TEST_F(PropertyTest, EntryTextWrittenByPropertyReachesTheBoundVariable)
{
    Probe probe;
    probe.start();
    ASSERT_TRUE(probe.waitOpened());
    SetProperty(probe.ref, 2, PropText, "/home/someone/*.*");
    ASSERT_TRUE(probe.sync());
    EXPECT_EQ(probe.last(EvResized)->path, "/home/someone/*.*");
    CloseWindow(probe.ref);
}

TEST_F(PropertyTest, RedisplayShowsTheVariablesTrimmedText)
{
    Probe probe;
    probe.onEvent = [](Probe& self, const Seen& seen) {
        if (seen.event == EvOpened) {
            self.path = "  lead and trail   ";
            Redisplay(2, 0);
        }
    };
    probe.start();
    ASSERT_TRUE(probe.waitOpened());
    EXPECT_EQ(dynamic_cast<QLineEdit*>(probe.control(2))->text(), "  lead and trail");
    CloseWindow(probe.ref);
}

} // namespace
} // namespace dirdock
