#include <gtest/gtest.h>

#include "ListerScripts.h"

namespace dirdock::scripted {
namespace {

const std::string LongName(255, 'd');

// Packed number fields are compared by value: a reference to one would be misaligned.
template <typename Number>
Number Value(Number field)
{
    return field;
}

// Four plain files whose name, size and date orders all differ, and a
// directory that is not listed.
class ListedDirectory : public testing::Test {
protected:
    void SetUp() override
    {
        constexpr std::time_t day = 86400;
        constexpr std::time_t start = 1600000000;
        directory.write("banana.txt", 10, start + 3 * day + 4000);
        directory.write("apple.txt", 30, start + 1 * day + 9000);
        directory.write("cherry.txt", 20, start + 2 * day + 100);
        directory.write(LongName, 5, start + 4 * day + 50000);
        std::filesystem::create_directory(directory.path() / "emptydir");
    }

    std::string dir() const { return directory.path().string(); }
    std::string mask() const { return dir() + "/*.*"; }

    const std::vector<std::string> byName{"apple.txt", "banana.txt", "cherry.txt", LongName};
    TemporaryDirectory directory;
};

TEST(DirectoryLister, OpensWithItsBuffersClearedAndItsVariablesBound)
{
    auto runtime = RunLister(ListerScript({Event(EvOpened)}));
    const std::vector<std::string> expected{"ClearRecord(ListEntries)",
                                            "ClearRecord(DirectoryEntries)",
                                            "PrepareChildWindow(Kestrova$KSTRV003,P1$WINDOW,text,ListEntries)",
                                            "PushBindScope(0)",
                                            "LastKeyCode()",
                                            "OpenWindow(1)",
                                            "BeginEventLoop()"};
    EXPECT_EQ(OpeningCalls(*runtime), expected);
    ASSERT_EQ(runtime->displays().size(), 1u);
    EXPECT_EQ(runtime->displays()[0].text, std::string(255, ' '));
    EXPECT_TRUE(runtime->displays()[0].rows.empty());
}

TEST(DirectoryLister, ReleasesItsQueuesAfterTheWindow)
{
    auto runtime = RunLister(ListerScript({Event(EvOpened), Browse("/nonexistent-dirdock/")}));
    const std::vector<std::string> expected{"CloseWindow(1)",
                                            "PopBindScope()",
                                            "FinishEventLoops(0)",
                                            "ReleaseWindow(1)",
                                            "QueueFree(DirectoryEntries)",
                                            "QueueFree(ListEntries)"};
    EXPECT_EQ(LeavingCalls(*runtime), expected);
}

TEST(DirectoryLister, OnlyTheBrowseButtonLists)
{
    auto runtime = RunLister(ListerScript({Event(EvAccepted, 1), Event(EvAccepted, 2), Event(EvAccepted, FileList),
                                           Event(EvPointerIn, BrowseButton), Event(EvKeyPreAlert, BrowseButton)}));
    EXPECT_TRUE(runtime->callsStartingWith("FileDialog(").empty());
    EXPECT_TRUE(runtime->callsStartingWith("ListDirectory(").empty());
    EXPECT_EQ(PassCalls(*runtime, 4), std::vector<std::string>{"EndEventPass(1)"});
}

struct PathCase {
    const char* name;
    std::string typed;
    std::string mask;
};

void PrintTo(const PathCase& c, std::ostream* out)
{
    *out << c.name;
}

class DirectoryPathCuts : public testing::TestWithParam<PathCase> {};

TEST_P(DirectoryPathCuts, ListAndShowTheMask)
{
    auto runtime = RunLister(ListerScript({Browse(GetParam().typed)}));
    const std::vector<std::string> listed = runtime->callsStartingWith("ListDirectory(");
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0], "ListDirectory(DirectoryEntries," + GetParam().mask + ",0)");
    std::string shown = GetParam().mask;
    shown.resize(255, ' ');
    EXPECT_EQ(runtime->displays().back().text, shown);
}

const std::string As(std::size_t count)
{
    return std::string(count, 'a');
}

INSTANTIATE_TEST_SUITE_P(
    DirectoryLister, DirectoryPathCuts,
    testing::Values(PathCase{"Empty", "", "*.*"}, PathCase{"BareFileName", "notes.txt", "*.*"},
                    PathCase{"DriveLetterAndBackslashesAreNoSeparators", "C:\\data\\notes.txt", "*.*"},
                    PathCase{"Directory", "/srv/data/notes.txt", "/srv/data/*.*"},
                    PathCase{"RootOnly", "/", "/*.*"}, PathCase{"ClosingSeparator", "/srv/data/", "/srv/data/*.*"},
                    PathCase{"OwnMaskReplaced", "/srv/data/*.txt", "/srv/data/*.*"},
                    PathCase{"TrailingBlanksIgnored", "/srv/data/x   ", "/srv/data/*.*"},
                    PathCase{"BlanksAfterTheSeparatorCut", "/srv/data/   ", "/srv/data/*.*"},
                    PathCase{"LeadingBlanksKept", "  /srv/data/x", "  /srv/data/*.*"},
                    PathCase{"BlanksOnly", "     ", "*.*"},
                    PathCase{"SeparatorAt252", As(251) + "/xyz", As(251) + "/*.*"},
                    PathCase{"SeparatorAt253", As(252) + "/xy", As(252) + "/*."},
                    PathCase{"SeparatorAt254", As(253) + "/x", As(253) + "/*"},
                    PathCase{"SeparatorAt255", As(254) + "/", As(254) + "/"},
                    PathCase{"FullPathWithoutSeparator", As(255), "*.*"},
                    PathCase{"MultibyteNameCut", "/srv/d\xC3\xA4ta/n\xC3\xB6tes", "/srv/d\xC3\xA4ta/*.*"}),
    [](const testing::TestParamInfo<PathCase>& info) { return info.param.name; });

TEST(DirectoryLister, DialogStartsFromTheWholeTypedPath)
{
    const std::string typed = "/" + As(253) + "/";
    auto runtime = RunLister(ListerScript({Browse(typed)}));
    const std::vector<std::string> dialogs = runtime->callsStartingWith("FileDialog(");
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0], "FileDialog(Choose a File," + typed + ",All Files|*.*,2)");
    EXPECT_EQ(runtime->dialogBufferSize(), 256u);
}

TEST(DirectoryLister, CancelledDialogListsTheTypedPath)
{
    auto runtime = RunLister(ListerScript({Browse("/srv/data/notes.txt")}));
    const std::vector<std::string> expected{"FileDialog(Choose a File,/srv/data/notes.txt,All Files|*.*,2)",
                                            "QueueFree(DirectoryEntries)",
                                            "QueueFree(ListEntries)",
                                            "ListDirectory(DirectoryEntries,/srv/data/*.*,0)",
                                            "QueueCount(DirectoryEntries)",
                                            "QueueSort(ListEntries,1)",
                                            "Redisplay(0,0)",
                                            "EndEventPass(0)"};
    EXPECT_EQ(PassCalls(*runtime), expected);
}

TEST(DirectoryLister, SecondBrowseStartsTheDialogFromTheMask)
{
    auto runtime = RunLister(ListerScript({Browse("/srv/data/notes.txt"), Browse()}));
    const std::vector<std::string> dialogs = runtime->callsStartingWith("FileDialog(");
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1], "FileDialog(Choose a File,/srv/data/*.*,All Files|*.*,2)");
}

TEST_F(ListedDirectory, ChoosingAFileListsItsWholeDirectoryByName)
{
    auto runtime = RunLister(ListerScript({Browse(std::nullopt, dir() + "/cherry.txt")}));
    std::vector<std::string> expected{"FileDialog(Choose a File,,All Files|*.*,2)",
                                      "GetProperty(1,0,PropAcceptSweep)",
                                      "Redisplay(0,0)",
                                      "QueueFree(DirectoryEntries)",
                                      "QueueFree(ListEntries)",
                                      "ListDirectory(DirectoryEntries," + mask() + ",0)",
                                      "QueueCount(DirectoryEntries)"};
    for (int i = 1; i <= 4; ++i) {
        expected.push_back("QueueGet(DirectoryEntries," + std::to_string(i) + ")");
        expected.push_back("QueueAdd(ListEntries)");
    }
    expected.insert(expected.end(), {"QueueSort(ListEntries,1)", "Redisplay(0,0)", "EndEventPass(0)"});
    EXPECT_EQ(PassCalls(*runtime), expected);

    ASSERT_EQ(runtime->displays().size(), 2u);
    EXPECT_EQ(TrimmedFixed(runtime->displays()[0].text), dir() + "/cherry.txt");
    EXPECT_EQ(TrimmedFixed(runtime->displays()[1].text), mask());
    EXPECT_EQ(ShownNames(*runtime, 0), byName);
}

TEST_F(ListedDirectory, ChoosingWhileAnAcceptSweepRunsDoesNotRedrawEarly)
{
    Step browse = Browse(std::nullopt, dir() + "/cherry.txt");
    browse.properties = {{1, 0, PropAcceptSweep, "1"}};
    auto runtime = RunLister(ListerScript({browse}));
    EXPECT_EQ(runtime->callsStartingWith("Redisplay(").size(), 1u);
    EXPECT_EQ(ShownNames(*runtime, 0), byName);
}

TEST_F(ListedDirectory, RowsAreTheListedRecordsFieldByField)
{
    auto runtime = RunLister(ListerScript({Browse(dir() + "/")}));
    ASSERT_EQ(runtime->listings().size(), 1u);
    const std::vector<DirectoryEntryRecord> entries = RecordsOf<DirectoryEntryRecord>(runtime->listings()[0]);
    const std::vector<ListRecord> rows = ShownRows(*runtime, 0);
    ASSERT_EQ(rows.size(), 4u);
    ASSERT_EQ(entries.size(), 4u);
    for (const ListRecord& row : rows) {
        const std::string name = NameOf(row);
        SCOPED_TRACE(name);
        EXPECT_TRUE(std::filesystem::is_regular_file(directory.path() / name));
        EXPECT_EQ(static_cast<std::uintmax_t>(row.FqSize), std::filesystem::file_size(directory.path() / name));
        const auto entry = std::find_if(entries.begin(), entries.end(), [&](const DirectoryEntryRecord& e) {
            return TrimmedFixed(e.Name) == name;
        });
        ASSERT_NE(entry, entries.end());
        EXPECT_EQ(std::string_view(row.FqShortName, 13), std::string_view(entry->ShortName, 13));
        EXPECT_EQ(Value(row.FqDate), Value(entry->Date));
        EXPECT_EQ(Value(row.FqTime), Value(entry->Time));
        EXPECT_EQ(Value(row.FqSize), Value(entry->Size));
        EXPECT_EQ(Value(row.FqAttrib), Value(entry->Attrib));
    }
    // The four files differ in every field, so a field copied from the wrong
    // place cannot go unseen.
    EXPECT_NE(Value(rows[0].FqDate), Value(rows[1].FqDate));
    EXPECT_NE(Value(rows[0].FqTime), Value(rows[1].FqTime));
    EXPECT_NE(std::string_view(rows[0].FqShortName, 13), std::string_view(rows[1].FqShortName, 13));
}

TEST_F(ListedDirectory, LongestNameIsCopiedWhole)
{
    auto runtime = RunLister(ListerScript({Browse(dir() + "/")}));
    const std::vector<std::string> names = ShownNames(*runtime, 0);
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names.back(), LongName);
}

TEST_F(ListedDirectory, ChosenPathOfFullLengthKeepsItsDirectory)
{
    const std::string prefix = dir() + "/";
    ASSERT_LT(prefix.size(), 200u);
    const std::string chosen = prefix + std::string(255 - prefix.size(), 'z');
    auto runtime = RunLister(ListerScript({Browse(std::nullopt, chosen)}));
    EXPECT_EQ(TrimmedFixed(runtime->displays()[0].text), chosen);
    EXPECT_EQ(runtime->callsStartingWith("ListDirectory("),
              std::vector<std::string>{"ListDirectory(DirectoryEntries," + mask() + ",0)"});
    EXPECT_EQ(ShownNames(*runtime, 0), byName);
}

TEST_F(ListedDirectory, CancelWithEmptyPathListsTheCurrentDirectory)
{
    const CurrentDirectory inside(directory.path());
    auto runtime = RunLister(ListerScript({Browse()}));
    EXPECT_EQ(runtime->callsStartingWith("ListDirectory("),
              std::vector<std::string>{"ListDirectory(DirectoryEntries,*.*,0)"});
    EXPECT_EQ(TrimmedFixed(runtime->displays().back().text), "*.*");
    EXPECT_EQ(ShownNames(*runtime, 0), byName);
}

TEST_F(ListedDirectory, BrowsingTwiceShowsEachEntryOnce)
{
    auto runtime = RunLister(ListerScript({Browse(dir() + "/"), Browse()}));
    ASSERT_EQ(runtime->listings().size(), 2u);
    EXPECT_EQ(runtime->listings()[1].size(), 4u);
    EXPECT_EQ(ShownNames(*runtime, 0), byName);
}

TEST_F(ListedDirectory, EmptyListingClearsTheList)
{
    auto runtime = RunLister(ListerScript({Browse(dir() + "/"), Browse("/nonexistent-dirdock/x")}));
    ASSERT_EQ(runtime->listings().size(), 2u);
    EXPECT_TRUE(runtime->listings()[1].empty());
    EXPECT_TRUE(ShownRows(*runtime, 0).empty());
    const std::vector<std::string> sorts = runtime->callsStartingWith("QueueSort(");
    EXPECT_EQ(sorts, (std::vector<std::string>{"QueueSort(ListEntries,1)", "QueueSort(ListEntries,1)"}));
}

} // namespace
} // namespace dirdock::scripted
