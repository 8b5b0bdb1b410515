// The frame's menu items carry out their standard actions for a person.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "RuntimeDriver.h"
#include "runtime/qt/FrameWindow.h"
#include "runtime/qt/HelpViewer.h"
#include "runtime/qt/ListView.h"

namespace dirdock {
namespace {

class StandardActionTest : public RuntimeTest {
protected:
    QMenu* menu(const QString& title) const
    {
        for (QAction* action : frame()->menuBar()->actions()) {
            if (action->text() == title)
                return action->menu();
        }
        return nullptr;
    }

    QAction* item(const QString& menuTitle, const QString& text) const
    {
        QMenu* m = menu(menuTitle);
        if (m == nullptr)
            return nullptr;
        for (QAction* action : m->actions()) {
            if (action->text() == text)
                return action;
        }
        return nullptr;
    }

    void trigger(const QString& menuTitle, const QString& text)
    {
        QAction* action = item(menuTitle, text);
        ASSERT_NE(action, nullptr) << text.toStdString();
        action->trigger();
    }

    // Opens n directory windows and the toolbar, placed as the toolbar
    // procedure places itself.
    void openWindows(int n)
    {
        toolbar = std::make_unique<Probe>(ToolbarKey);
        toolbar->onEvent = [](Probe&, const Seen& seen) {
            if (seen.event == EvOpened) {
                SetProperty(0, 0, PropX, 0);
                SetProperty(0, 0, PropY, 0);
                SetProperty(0, 0, PropWidth, 35);
            }
        };
        toolbar->start();
        ASSERT_TRUE(toolbar->waitOpened());
        for (int i = 0; i < n; ++i) {
            directories.push_back(std::make_unique<Probe>());
            directories.back()->start();
            ASSERT_TRUE(directories.back()->waitOpened());
        }
        ASSERT_TRUE(toolbar->sync());
    }

    void TearDown() override
    {
        for (auto& probe : directories)
            CloseWindow(probe->ref);
        if (toolbar)
            CloseWindow(toolbar->ref);
        directories.clear();
        toolbar.reset();
        RuntimeTest::TearDown();
    }

    std::unique_ptr<Probe> toolbar;
    std::vector<std::unique_ptr<Probe>> directories;
};

TEST_F(StandardActionTest, MenuBarHasFourMenusOfThreeEntriesWithStatusMessages)
{
    const QStringList titles = {"&File", "&Edit", "&Window", "&Help"};
    ASSERT_EQ(frame()->menuBar()->actions().size(), 4);
    for (int i = 0; i < 4; ++i) {
        QMenu* m = menu(titles[i]);
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->actions().size(), 3);
    }
    EXPECT_TRUE(menu("&File")->actions()[1]->isSeparator());
    EXPECT_EQ(item("&File", "E&xit")->statusTip(), "Exit this application");
    EXPECT_EQ(menu("&Window")->menuAction()->statusTip(), "Create and Arrange windows");
    const auto sections = frame()->statusBar()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    EXPECT_EQ(sections.size(), 4);
}

TEST_F(StandardActionTest, HoveringAnItemShowsItsMessageInTheFirstSection)
{
    QMenu* edit = menu("&Edit");
    edit->popup(frame()->mapToGlobal(QPoint(20, 20)));
    ASSERT_TRUE(WaitUntil([&] { return edit->isVisible(); }));
    QTest::mouseMove(edit->windowHandle(), edit->actionGeometry(item("&Edit", "&Copy")).center());
    EXPECT_TRUE(WaitUntil([&] { return frame()->message() == "Copy item to Windows Clipboard"; }));
    edit->close();
}

TEST_F(StandardActionTest, FocusOnTheListShowsItsMessage)
{
    openWindows(1);
    directories[0]->control(4)->setFocus();
    QApplication::setActiveWindow(frame());
    directories[0]->control(4)->setFocus();
    ASSERT_TRUE(WaitUntil([&] { return frame()->message() == "Bladre i posterne"; }));
}

TEST_F(StandardActionTest, WindowListNamesTheDirectoryWindowsAndActivatesTheChosenOne)
{
    openWindows(2);
    QMenu* windowMenu = menu("&Window");
    emit windowMenu->aboutToShow();
    EXPECT_NE(item("&Window", "&1 Directory"), nullptr);
    EXPECT_NE(item("&Window", "&2 Directory"), nullptr);
    EXPECT_EQ(item("&Window", "&3 Directory"), nullptr) << "the toolbar is not listed";
    trigger("&Window", "&1 Directory");
    EXPECT_EQ(mdiArea()->activeSubWindow(), directories[0]->window());
    // Rebuilt, not appended to, when it opens again.
    emit windowMenu->aboutToShow();
    EXPECT_EQ(windowMenu->actions().size(), 3 + 1 + 2);
}

TEST_F(StandardActionTest, TileLaysWindowsSideBySideRightOfTheToolbarWhichStays)
{
    openWindows(3);
    const QRect toolbarBefore = toolbar->window()->geometry();
    trigger("&Window", "T&ile");
    EXPECT_EQ(toolbar->window()->geometry(), toolbarBefore);
    const QRect area = mdiArea()->viewport()->rect();
    for (std::size_t i = 0; i < directories.size(); ++i) {
        const QRect r = directories[i]->window()->geometry();
        EXPECT_GT(r.left(), toolbarBefore.right());
        EXPECT_TRUE(area.contains(r)) << i;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(r.intersects(directories[j]->window()->geometry())) << i << " " << j;
    }
}

TEST_F(StandardActionTest, CascadeOffsetsEachWindowRightOfTheToolbarWhichStays)
{
    openWindows(3);
    const QRect toolbarBefore = toolbar->window()->geometry();
    trigger("&Window", "&Cascade");
    EXPECT_EQ(toolbar->window()->geometry(), toolbarBefore);
    for (std::size_t i = 0; i < directories.size(); ++i) {
        const QRect r = directories[i]->window()->geometry();
        EXPECT_GT(r.left(), toolbarBefore.right());
        if (i > 0) {
            const QRect previous = directories[i - 1]->window()->geometry();
            EXPECT_GT(r.left(), previous.left());
            EXPECT_GT(r.top(), previous.top());
        }
    }
    EXPECT_EQ(mdiArea()->activeSubWindow(), directories.back()->window());
}

TEST_F(StandardActionTest, ArrangeIconsLinesUpMinimizedWindowsAlongTheBottom)
{
    openWindows(3);
    directories[0]->window()->showMinimized();
    directories[2]->window()->showMinimized();
    trigger("&Window", "&Arrange Icons");
    const QRect first = directories[0]->window()->geometry();
    const QRect third = directories[2]->window()->geometry();
    const int bottom = mdiArea()->viewport()->rect().bottom();
    EXPECT_EQ(first.bottom(), bottom);
    EXPECT_EQ(third.bottom(), bottom);
    EXPECT_EQ(third.left(), first.right() + 1);
    EXPECT_GT(first.left(), toolbar->window()->geometry().right());
}

TEST_F(StandardActionTest, CutCopyAndPasteWorkOnTheEntryWithTheFocus)
{
    openWindows(1);
    Probe& probe = *directories[0];
    auto* entry = dynamic_cast<QLineEdit*>(probe.control(2));
    QApplication::setActiveWindow(frame());
    entry->setFocus();
    entry->setText("/var/log/");
    entry->selectAll();
    trigger("&Edit", "&Copy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "/var/log/");
    trigger("&Edit", "Cu&t");
    EXPECT_EQ(entry->text(), "");
    trigger("&Edit", "&Paste");
    trigger("&Edit", "&Paste");
    EXPECT_EQ(entry->text(), "/var/log//var/log/");
    ASSERT_TRUE(probe.sync());
    EXPECT_EQ(probe.last(EvResized)->path, "/var/log//var/log/") << "edits by menu reach the variable";
}

TEST_F(StandardActionTest, CopyOnTheListTakesTheCurrentRow)
{
    openWindows(1);
    Probe& probe = *directories[0];
    auto* list = dynamic_cast<ListView*>(probe.control(4));
    ListSnapshot snapshot;
    {
        ListRecord buffer{};
        Queue queue(&buffer, ListRecordDescription, sizeof(ListRecord));
        FillList(queue, {{"first.txt", 1}, {"second.txt", 2}});
        snapshot.records.assign(queue.records().begin(), queue.records().end());
        snapshot.recordSize = queue.recordSize();
        snapshot.fields.assign(queue.layout().fields().begin(), queue.layout().fields().end());
    }
    list->setSnapshot(std::move(snapshot));
    QApplication::setActiveWindow(frame());
    list->setFocus();
    list->setCurrentIndex(list->model()->index(1, 0));
    QGuiApplication::clipboard()->clear();
    trigger("&Edit", "&Copy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), list->selectedRowText());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("second.txt"));
    trigger("&Edit", "Cu&t");
    EXPECT_EQ(list->rowCount(), 2) << "rows belong to the procedure";
}

TEST_F(StandardActionTest, HelpItemsOpenTheHelpViewer)
{
    trigger("&Help", "&Search for Help On...");
    HelpViewer* viewer = HelpViewer::viewerFor(frame());
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->searchPageShown());
    trigger("&Help", "&Contents");
    EXPECT_FALSE(viewer->searchPageShown());
    viewer->close();
}

TEST_F(StandardActionTest, PrintSetupOpensAPageSetupDialogModalToTheFrame)
{
    bool seen = false;
    QTimer::singleShot(0, frame(), [&] {
        auto* dialog = dynamic_cast<QPageSetupDialog*>(QApplication::activeModalWidget());
        seen = dialog != nullptr && dialog->parentWidget() == frame();
        if (QApplication::activeModalWidget() != nullptr)
            QApplication::activeModalWidget()->close();
    });
    trigger("&File", "&Print Setup ...");
    EXPECT_TRUE(seen);
}

TEST_F(StandardActionTest, ExitClosesTheFrameAndEndsEveryLoop)
{
    openWindows(2);
    QTimer::singleShot(0, frame(), [this] { trigger("&File", "E&xit"); });
    runFrameLoop([](std::int32_t) { return 0; });
    for (auto& probe : directories)
        EXPECT_TRUE(probe->waitFinished());
    EXPECT_TRUE(toolbar->waitFinished());
    EXPECT_FALSE(frame()->isVisible());
}

} // namespace
} // namespace dirdock
