#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ProgramDriver.h"
#include "ProgramWidgets.h"
#include "frame/RunFrame.h"
#include "runtime/qt/ListView.h"

namespace dirdock::test {
namespace {

namespace fs = std::filesystem;

struct FixtureFile {
    std::string name;
    std::size_t size;
    std::time_t modified; // seconds since the epoch, UTC
};

// A directory of plain files with known sizes and times, and a subdirectory
// that must not be listed.
class FixtureDirectory {
public:
    explicit FixtureDirectory(const std::vector<FixtureFile>& files)
    {
        char pattern[] = "/tmp/dirdock-program-XXXXXX";
        m_path = mkdtemp(pattern);
        for (const FixtureFile& file : files) {
            const fs::path path = m_path / file.name;
            std::ofstream(path, std::ios::binary) << std::string(file.size, 'x');
            const timespec times[2] = {{file.modified, 0}, {file.modified, 0}};
            utimensat(AT_FDCWD, path.c_str(), times, 0);
        }
        fs::create_directory(m_path / "subdirectory");
    }
    ~FixtureDirectory() { fs::remove_all(m_path); }

    const fs::path& path() const { return m_path; }
    QString file(const std::string& name) const { return QString::fromStdString((m_path / name).string()); }

private:
    fs::path m_path;
};

const std::vector<FixtureFile> SampleFiles = {
    {"report10.txt", 1500, 1700000000},  // 14-11-2023 22:13:20
    {"report2.txt", 30, 1600000000},     // 13-09-2020 12:26:40
    {"Alpha.doc", 700000, 1500000000},   // 14-07-2017 02:40:00
    {"zeta notes.markdown", 0, 1650000000},
};

QPoint In(QWidget* widget, QPoint point)
{
    return widget->mapTo(widget->window(), point);
}

void MovePointer(QWidget* widget, QPoint point)
{
    QTest::mouseMove(widget->window()->windowHandle(), In(widget, point));
}

int WidthInUnits(QWidget* widget)
{
    return FrameUnits().toUnitsX(widget->width());
}

// Each helper reports whether it got where a person would, so that a
// script stops at the first step that did not work.
bool PressBrowse(ProgramDriver& driver, QMdiSubWindow* window)
{
    driver.onGui([window] { QTest::mouseClick(Control(window, 3), Qt::LeftButton); });
    return driver.waitUntil([] { return OpenDialog() != nullptr; });
}

// Types a path into the open dialog's name field and presses Return.
bool ChooseInDialog(ProgramDriver& driver, const QString& path)
{
    driver.onGui([path] {
        auto* name = OpenDialog()->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->clear();
        QTest::keyClicks(name, path);
        QTest::keyClick(name, Qt::Key_Return);
    });
    return driver.waitUntil([] { return OpenDialog() == nullptr; });
}

bool CancelDialog(ProgramDriver& driver)
{
    driver.onGui([] { QTest::keyClick(OpenDialog(), Qt::Key_Escape); });
    return driver.waitUntil([] { return OpenDialog() == nullptr; });
}

bool ListShows(QMdiSubWindow* window, const QStringList& names)
{
    return ColumnTexts(window, 1) == names;
}

void PressHeader(ProgramDriver& driver, QMdiSubWindow* window, int column)
{
    driver.onGui([window, column] {
        QHeaderView* header = List(window)->header();
        const int x = header->sectionViewportPosition(column - 1) + header->sectionSize(column - 1) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    });
}

// A handled header press leaves the list's press row at 1.
bool PressHandled(QMdiSubWindow* window)
{
    return static_cast<ListView*>(List(window))->clickRow() == 1;
}

TEST(Program, FrameShowsItsCaptionMenusAndStatusBar)
{
    const int exitCode = ProgramDriver::run([](ProgramDriver& driver) {
        driver.onGui([] {
            QMainWindow* frame = Frame();
            EXPECT_EQ(frame->windowTitle(), "Docking Toolbar and Long Filename directory demo");
            EXPECT_EQ(FrameUnits().toUnitsX(frame->width()), 400);
            EXPECT_EQ(FrameUnits().toUnitsY(frame->height()), 283);
            QStringList menus;
            for (QAction* action : frame->menuBar()->actions())
                menus << action->text();
            EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&Window", "&Help"}));
            const QList<QAction*> file = frame->menuBar()->actions().at(0)->menu()->actions();
            ASSERT_EQ(file.size(), 3);
            EXPECT_EQ(file.at(0)->text(), "&Print Setup ...");
            EXPECT_TRUE(file.at(1)->isSeparator());
            EXPECT_EQ(file.at(2)->text(), "E&xit");
            EXPECT_FALSE(frame->windowIcon().isNull());

            // Four sections: the first takes what the fixed three leave.
            QList<QLabel*> sections = frame->statusBar()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
            std::sort(sections.begin(), sections.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
            ASSERT_EQ(sections.size(), 4);
            EXPECT_EQ(FrameUnits().toUnitsX(sections.at(1)->width()), 80);
            EXPECT_EQ(FrameUnits().toUnitsX(sections.at(2)->width()), 120);
            EXPECT_EQ(FrameUnits().toUnitsX(sections.at(3)->width()), 45);
            EXPECT_GT(sections.at(0)->width(), sections.at(2)->width());

            // A menu entry's message shows in the first section while it is chosen from.
            QMenu* fileMenu = frame->menuBar()->actions().at(0)->menu();
            fileMenu->popup(frame->mapToGlobal(QPoint(0, 0)));
            QTest::mouseMove(fileMenu, fileMenu->actionGeometry(fileMenu->actions().at(2)).center());
            EXPECT_EQ(sections.at(0)->text(), "Exit this application");
            fileMenu->close();
        });
        EXPECT_TRUE(driver.onGui([] { return Toolbar() != nullptr; }));
    });
    EXPECT_EQ(exitCode, 0);
}

TEST(Program, ToolbarSlidesOutForThePointerAndBackWhenItLeavesToTheRight)
{
    const int exitCode = ProgramDriver::run([](ProgramDriver& driver) {
        ASSERT_TRUE(driver.waitUntil([] { return Toolbar() != nullptr && WidthInUnits(Toolbar()) == 1; }));
        driver.onGui([] {
            QMdiSubWindow* toolbar = Toolbar();
            EXPECT_EQ(toolbar->pos(), QPoint(0, 0));
            EXPECT_EQ(FrameUnits().toUnitsY(toolbar->height()), FrameHeight);
            EXPECT_EQ(FrameHeight, FrameUnits().toUnitsY(Frame()->height()));
            EXPECT_TRUE(toolbar->windowTitle().isEmpty());
            MovePointer(MdiArea()->viewport(), QPoint(300, 100));
            MovePointer(MdiArea()->viewport(), QPoint(0, 100));
        });
        ASSERT_TRUE(driver.waitUntil([] { return WidthInUnits(Toolbar()) == 35; }));

        // Onto the button and back: the button lies inside the strip.
        driver.onGui([] { MovePointer(Control(Toolbar(), 1), QPoint(5, 5)); });
        driver.onGui([] { MovePointer(MdiArea()->viewport(), QPoint(FrameUnits().toPixelsX(10), 150)); });
        // Leaving upwards over the button's columns keeps it out.
        driver.onGui([] { MovePointer(Frame()->menuBar(), QPoint(FrameUnits().toPixelsX(10), 5)); });
        driver.onGui([] { MovePointer(MdiArea()->viewport(), QPoint(FrameUnits().toPixelsX(10), 150)); });
        EXPECT_TRUE(driver.onGui([] { return WidthInUnits(Toolbar()) == 35; }));

        // Leaving to the left, out of the frame, keeps it out too.
        driver.onGui([] { MovePointer(Frame(), QPoint(-4, 150)); });
        driver.onGui([] { MovePointer(MdiArea()->viewport(), QPoint(FrameUnits().toPixelsX(10), 150)); });
        EXPECT_TRUE(driver.onGui([] { return WidthInUnits(Toolbar()) == 35; }));

        // Leaving to the right of the button pulls it in.
        driver.onGui([] { MovePointer(MdiArea()->viewport(), QPoint(FrameUnits().toPixelsX(60), 150)); });
        EXPECT_TRUE(driver.waitUntil([] { return WidthInUnits(Toolbar()) == 1; }));
    });
    EXPECT_EQ(exitCode, 0);
}

TEST(Program, EachPressOfTheToolbarButtonOpensAnotherDirectoryWindow)
{
    const int exitCode = ProgramDriver::run([](ProgramDriver& driver) {
        QMdiSubWindow* first = driver.openDirectoryWindow();
        ASSERT_NE(first, nullptr);
        QMdiSubWindow* second = driver.openDirectoryWindow();
        ASSERT_NE(second, nullptr);
        ASSERT_NE(first, second);
        driver.onGui([&] {
            // A new window opens one caption bar below and right of the last,
            // so that both captions can be seen.
            EXPECT_GT(second->x(), first->x());
            EXPECT_GT(second->y(), first->y());
            EXPECT_LT(second->y(), first->y() + first->height() / 2);
            for (QMdiSubWindow* window : {first, second}) {
                EXPECT_EQ(window->windowTitle(), "Directory");
                EXPECT_FALSE(window->windowIcon().isNull());
                EXPECT_EQ(FrameUnits().toUnitsX(window->widget()->width()), 337);
                EXPECT_EQ(FrameUnits().toUnitsY(window->widget()->height()), 188);
                EXPECT_EQ(List(window)->model()->rowCount(), 0);
                EXPECT_EQ(List(window)->model()->columnCount(), 5);
            }
        });
    });
    EXPECT_EQ(exitCode, 0);
}

TEST(Program, ChoosingAFileListsItsWholeDirectoryAndHeadersSort)
{
    const FixtureDirectory directory(SampleFiles);
    const int exitCode = ProgramDriver::run([&](ProgramDriver& driver) {
        QMdiSubWindow* window = driver.openDirectoryWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(PressBrowse(driver, window));
        ASSERT_TRUE(ChooseInDialog(driver, directory.file("report2.txt")));
        const QStringList byName = {"Alpha.doc", "report2.txt", "report10.txt", "zeta notes.markdown"};
        ASSERT_TRUE(driver.waitUntil([&] { return ListShows(window, byName); }));
        driver.onGui([&] {
            const QString mask = QString::fromStdString((directory.path() / "*.*").string());
            EXPECT_EQ(qobject_cast<QLineEdit*>(Control(window, 2))->text(), mask);
            EXPECT_EQ(ColumnTexts(window, 3), QStringList({"14-07-2017", "13-09-2020", "14-11-2023", "15-04-2022"}));
            EXPECT_EQ(ColumnTexts(window, 4), QStringList({"02:40:00", "12:26:40", "22:13:20", "05:20:00"}));
            EXPECT_EQ(ColumnTexts(window, 5).replaceInStrings(" ", ""), QStringList({"700,000", "30", "1,500", "0"}));
            EXPECT_EQ(ColumnTexts(window, 2), QStringList({"ALPHA.DOC", "REPORT2.TXT", "REPORT10.TXT", "ZETANO~1.MAR"}));
        });

        PressHeader(driver, window, 5);
        EXPECT_TRUE(driver.waitUntil([&] {
            return ListShows(window, {"zeta notes.markdown", "report2.txt", "report10.txt", "Alpha.doc"});
        }));
        PressHeader(driver, window, 5);
        EXPECT_TRUE(driver.waitUntil([&] {
            return ListShows(window, {"Alpha.doc", "report10.txt", "report2.txt", "zeta notes.markdown"});
        }));
        PressHeader(driver, window, 3);
        EXPECT_TRUE(driver.waitUntil([&] {
            return ListShows(window, {"Alpha.doc", "report2.txt", "zeta notes.markdown", "report10.txt"});
        }));
    });
    EXPECT_EQ(exitCode, 0);
}

TEST(Program, CancellingTheDialogListsTheTypedPath)
{
    const FixtureDirectory directory(SampleFiles);
    const int exitCode = ProgramDriver::run([&](ProgramDriver& driver) {
        QMdiSubWindow* window = driver.openDirectoryWindow();
        ASSERT_NE(window, nullptr);
        driver.onGui([&] {
            auto* entry = qobject_cast<QLineEdit*>(Control(window, 2));
            entry->setFocus();
            QTest::keyClicks(entry, directory.file("anything.txt"));
        });
        ASSERT_TRUE(PressBrowse(driver, window));
        ASSERT_TRUE(CancelDialog(driver));
        EXPECT_TRUE(driver.waitUntil([&] { return ColumnTexts(window, 1).size() == 4; }));
    });
    EXPECT_EQ(exitCode, 0);
}

TEST(Program, TwoWindowsListIndependentlyAndClosingOneLeavesTheOther)
{
    const FixtureDirectory one({{"one.txt", 1, 1600000000}});
    const FixtureDirectory two({{"b.txt", 20, 1600000000}, {"a.txt", 10, 1600000000}});
    const int exitCode = ProgramDriver::run([&](ProgramDriver& driver) {
        QMdiSubWindow* first = driver.openDirectoryWindow();
        ASSERT_NE(first, nullptr);
        QMdiSubWindow* second = driver.openDirectoryWindow();
        ASSERT_NE(second, nullptr);
        ASSERT_TRUE(PressBrowse(driver, first));
        ASSERT_TRUE(ChooseInDialog(driver, one.file("one.txt")));
        ASSERT_TRUE(PressBrowse(driver, second));
        ASSERT_TRUE(ChooseInDialog(driver, two.file("a.txt")));
        ASSERT_TRUE(driver.waitUntil([&] { return ListShows(first, {"one.txt"}); }));
        ASSERT_TRUE(driver.waitUntil([&] { return ListShows(second, {"a.txt", "b.txt"}); }));

        driver.onGui([first] { first->close(); });
        ASSERT_TRUE(driver.waitUntil([] { return SubWindows(DirectoryKey).size() == 1; }));
        // A person waits for the first press to be handled before the next.
        PressHeader(driver, second, 1);
        ASSERT_TRUE(driver.waitUntil([&] { return PressHandled(second); }));
        PressHeader(driver, second, 1);
        EXPECT_TRUE(driver.waitUntil([&] { return ListShows(second, {"b.txt", "a.txt"}); }));
    });
    EXPECT_EQ(exitCode, 0);
}

TEST(Program, FrameKeepsItsSizeWhenResizedMaximizedOrRestored)
{
    const int exitCode = ProgramDriver::run([](ProgramDriver& driver) {
        const QSize size = driver.onGui([] { return Frame()->size(); });
        driver.onGui([] { Frame()->resize(Frame()->size() + QSize(120, 80)); });
        EXPECT_TRUE(driver.waitUntil([&] { return Frame()->size() == size; }));
        driver.onGui([] { Frame()->showMaximized(); });
        EXPECT_TRUE(driver.waitUntil([&] { return !Frame()->isMaximized() && Frame()->size() == size; }));
        driver.onGui([] { Frame()->showMinimized(); });
        driver.onGui([] { Frame()->showNormal(); });
        EXPECT_TRUE(driver.waitUntil([&] { return !Frame()->isMinimized() && Frame()->size() == size; }));
    });
    EXPECT_EQ(exitCode, 0);
}

TEST(Program, ExitEndsTheProgramWithDirectoryWindowsAndAnOpenDialog)
{
    const int exitCode = ProgramDriver::run([](ProgramDriver& driver) {
        ASSERT_NE(driver.openDirectoryWindow(), nullptr);
        QMdiSubWindow* window = driver.openDirectoryWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(PressBrowse(driver, window));
    });
    EXPECT_EQ(exitCode, 0);
}

// A snapshot of every file below a directory: path, size and change time.
std::map<std::string, std::pair<std::uintmax_t, std::int64_t>> Snapshot(const fs::path& root)
{
    std::map<std::string, std::pair<std::uintmax_t, std::int64_t>> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        struct stat info {};
        lstat(entry.path().c_str(), &info);
        files[entry.path().string()] = {static_cast<std::uintmax_t>(info.st_size),
                                        info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec};
    }
    return files;
}

TEST(Program, AWholeRunWritesNoFile)
{
    const FixtureDirectory directory(SampleFiles);
    const FixtureDirectory home({});
    const fs::path config = home.path() / "config";
    const fs::path cache = home.path() / "cache";
    const fs::path data = home.path() / "data";
    for (const fs::path& path : {config, cache, data})
        fs::create_directory(path);
    setenv("HOME", home.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("XDG_CACHE_HOME", cache.c_str(), 1);
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    const fs::path workingDirectory = fs::current_path();
    fs::current_path(directory.path());
    const auto homeBefore = Snapshot(home.path());
    const auto directoryBefore = Snapshot(directory.path());

    const int exitCode = ProgramDriver::run([&](ProgramDriver& driver) {
        QMdiSubWindow* window = driver.openDirectoryWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(PressBrowse(driver, window));
        ASSERT_TRUE(ChooseInDialog(driver, directory.file("report10.txt")));
        EXPECT_TRUE(driver.waitUntil([&] { return ColumnTexts(window, 1).size() == 4; }));
        ASSERT_TRUE(PressBrowse(driver, window));
        ASSERT_TRUE(CancelDialog(driver));
    });

    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(fs::current_path(), directory.path());
    EXPECT_EQ(Snapshot(home.path()), homeBefore);
    EXPECT_EQ(Snapshot(directory.path()), directoryBefore);
    fs::current_path(workingDirectory);
}

} // namespace
} // namespace dirdock::test
