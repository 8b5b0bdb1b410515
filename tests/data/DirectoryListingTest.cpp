#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

#include "TempDirectory.h"
#include "TimeZoneGuard.h"
#include "runtime/data/DirectoryListing.h"
#include "runtime/data/FixedText.h"
#include "runtime/data/Records.h"

namespace dirdock {
namespace {

// 11 December 2026, 13:45:30.25 UTC, and 1 January 1969, 00:00 UTC.
constexpr std::time_t RecentSeconds = 1796996730;
constexpr long RecentNanoseconds = 250000000;
constexpr std::time_t Before1970Seconds = -31536000;

const std::string NewlineName = "line\nbreak.txt";
const std::string NotUtf8Name = "bad\xFF\xFEname.txt";
const std::string LongestName = std::string(251, 'L') + ".txt";

void MakeFile(const std::string& path, const std::string& content, std::time_t seconds, long nanoseconds = 0,
              mode_t mode = 0644)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << path << ": " << std::strerror(errno);
    ASSERT_EQ(::write(fd, content.data(), content.size()), static_cast<ssize_t>(content.size()));
    ::close(fd);
    const timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
}

using Listing = std::map<std::string, DirectoryEntryRecord>;

Listing List(const std::string& mask)
{
    DirectoryEntryRecord buffer{};
    Queue queue(&buffer, DirectoryEntryDescription, sizeof buffer);
    ListDirectoryInto(queue, mask, 0);
    Listing listing;
    for (int i = 1; i <= queue.count(); ++i) {
        queue.get(i);
        listing.emplace(std::string(TrimmedFixed(buffer.Name)), buffer);
    }
    EXPECT_EQ(listing.size(), static_cast<std::size_t>(queue.count())) << "a name listed twice";
    return listing;
}

std::set<std::string> Names(const Listing& listing)
{
    std::set<std::string> names;
    for (const auto& [name, record] : listing)
        names.insert(name);
    return names;
}

class DirectoryListingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(dir.path().empty());
        MakeFile(dir / "plain.txt", "hello", RecentSeconds, RecentNanoseconds);
        MakeFile(dir / "Old File.dat", "", Before1970Seconds, 0, 0444);
        MakeFile(dir / "README", "r", RecentSeconds);
        MakeFile(dir / ".hidden", "h", RecentSeconds);
        MakeFile(dir / NewlineName, "n", RecentSeconds);
        MakeFile(dir / NotUtf8Name, "b", RecentSeconds);
        MakeFile(dir / LongestName, "l", RecentSeconds);
        ASSERT_EQ(::mkdir((dir / "subdir").c_str(), 0755), 0);
        ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
        ASSERT_EQ(::symlink("plain.txt", (dir / "link-to-file").c_str()), 0);
        ASSERT_EQ(::symlink("missing", (dir / "broken-link").c_str()), 0);
        ASSERT_EQ(::symlink("subdir", (dir / "link-to-dir").c_str()), 0);
    }

    TimeZoneGuard zone{"UTC"};
    TempDirectory dir;
};

TEST_F(DirectoryListingTest, ListsPlainFilesAndLinksToThemOnly)
{
    const std::set<std::string> expected = {"plain.txt",  "Old File.dat", "README",    NewlineName,
                                            NotUtf8Name, LongestName,    "link-to-file"};
    EXPECT_EQ(Names(List(dir / "*.*")), expected);
}

TEST_F(DirectoryListingTest, FillsEveryField)
{
    const Listing listing = List(dir / "*.*");
    ASSERT_EQ(listing.count("plain.txt"), 1u);
    const DirectoryEntryRecord& plain = listing.at("plain.txt");
    EXPECT_EQ(std::string(plain.Name, 10), "plain.txt ");
    EXPECT_EQ(std::string(plain.ShortName, 13), "PLAIN.TXT    ");
    EXPECT_EQ(+plain.Date, 20261211);
    EXPECT_EQ(+plain.Time, 4953026);
    EXPECT_EQ(+plain.Size, 5);
    EXPECT_EQ(plain.Attrib, AttributeArchive);

    ASSERT_EQ(listing.count("Old File.dat"), 1u);
    const DirectoryEntryRecord& old = listing.at("Old File.dat");
    EXPECT_EQ(+old.Date, 19690101);
    EXPECT_EQ(+old.Time, 1);
    EXPECT_EQ(+old.Size, 0);
    EXPECT_EQ(old.Attrib, AttributeArchive | AttributeReadOnly);
    EXPECT_EQ(TrimmedFixed(old.ShortName), "OLDFIL~1.DAT");
}

TEST_F(DirectoryListingTest, LinkShowsItsTargetsSizeAndDate)
{
    const Listing listing = List(dir / "*.*");
    ASSERT_EQ(listing.count("link-to-file"), 1u);
    const DirectoryEntryRecord& link = listing.at("link-to-file");
    EXPECT_EQ(+link.Size, 5);
    EXPECT_EQ(+link.Date, 20261211);
    EXPECT_EQ(+link.Time, 4953026);
}

TEST_F(DirectoryListingTest, NamesKeepTheirBytes)
{
    const Listing listing = List(dir / "*.*");
    EXPECT_EQ(listing.count(NewlineName), 1u);
    EXPECT_EQ(listing.count(NotUtf8Name), 1u);
    ASSERT_EQ(listing.count(LongestName), 1u);
    const DirectoryEntryRecord& longest = listing.at(LongestName);
    EXPECT_EQ(std::string(longest.Name, 255), LongestName);
    EXPECT_EQ(longest.Name[255], ' ');
}

TEST_F(DirectoryListingTest, ShortNamesDoNotDependOnTheMask)
{
    MakeFile(dir / "Long name one.txt", "", RecentSeconds);
    MakeFile(dir / "Long name two.txt", "", RecentSeconds);
    const Listing all = List(dir / "*.*");
    const Listing some = List(dir / "*two.txt");
    ASSERT_EQ(some.size(), 1u);
    EXPECT_EQ(TrimmedFixed(all.at("Long name one.txt").ShortName), "LONGNA~1.TXT");
    EXPECT_EQ(TrimmedFixed(all.at("Long name two.txt").ShortName), "LONGNA~2.TXT");
    EXPECT_EQ(TrimmedFixed(some.at("Long name two.txt").ShortName), "LONGNA~2.TXT");
}

TEST_F(DirectoryListingTest, SizeBeyondTheSignedRangeIsCapped)
{
    const std::string path = dir / "huge.bin";
    MakeFile(path, "", RecentSeconds);
    ASSERT_EQ(::truncate(path.c_str(), 3LL * 1024 * 1024 * 1024), 0);
    const Listing listing = List(dir / "huge.bin");
    ASSERT_EQ(listing.count("huge.bin"), 1u);
    EXPECT_EQ(+listing.at("huge.bin").Size, 2147483647);
}

struct MaskCase {
    const char* label;
    std::string suffix; // appended to the directory's path
    std::set<std::string> names;
    friend void PrintTo(const MaskCase& c, std::ostream* os) { *os << c.label; }
};

class MaskTest : public DirectoryListingTest, public ::testing::WithParamInterface<MaskCase> {};

TEST_P(MaskTest, SelectsByMask)
{
    EXPECT_EQ(Names(List(dir.path() + GetParam().suffix)), GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MaskTest,
    ::testing::Values(MaskCase{"extension", "/*.TXT", {"plain.txt", NewlineName, NotUtf8Name, LongestName}},
                      MaskCase{"noExtension", "/*.", {"README", "link-to-file"}},
                      MaskCase{"trailingBlanksDropped", "/plain.txt    ", {"plain.txt"}},
                      MaskCase{"questionMarks", "/?????.txt", {"plain.txt"}},
                      MaskCase{"caseInsensitive", "/readme", {"README"}},
                      MaskCase{"emptyPattern", "/", {}}, MaskCase{"blankPattern", "/   ", {}},
                      MaskCase{"hiddenNotEvenByName", "/.hidden", {}},
                      MaskCase{"directoryNotEvenByName", "/subdir", {}},
                      MaskCase{"fifoNotEvenByName", "/fifo", {}},
                      MaskCase{"missingDirectory", "/nowhere/*.*", {}},
                      MaskCase{"fileAsDirectory", "/plain.txt/*.*", {}},
                      MaskCase{"doubledSeparator", "//*.dat", {"Old File.dat"}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(DirectoryListingTest, EmptyDirectoryPartMeansTheCurrentDirectory)
{
    const std::string previous = std::filesystem::current_path().string();
    ASSERT_EQ(::chdir(dir.path().c_str()), 0);
    const std::set<std::string> names = Names(List("*.dat"));
    ASSERT_EQ(::chdir(previous.c_str()), 0);
    EXPECT_EQ(names, std::set<std::string>{"Old File.dat"});
}

TEST_F(DirectoryListingTest, AppendsAfterRecordsAlreadyThere)
{
    DirectoryEntryRecord buffer{};
    Queue queue(&buffer, DirectoryEntryDescription, sizeof buffer);
    ListDirectoryInto(queue, dir / "plain.txt", 0);
    ListDirectoryInto(queue, dir / "README", 0);
    ASSERT_EQ(queue.count(), 2);
    queue.get(2);
    EXPECT_EQ(TrimmedFixed(buffer.Name), "README");
}

TEST_F(DirectoryListingTest, QueueOfAnotherRecordGetsNothing)
{
    ListRecord buffer{};
    ClearRecordBytes(&buffer, ListRecordDescription);
    Queue queue(&buffer, ListRecordDescription, sizeof buffer);
    ListDirectoryInto(queue, dir / "*.*", 0);
    EXPECT_EQ(queue.count(), 0);
    EXPECT_EQ(TrimmedFixed(buffer.FqName), "");
}

TEST_F(DirectoryListingTest, ListingLeavesTheBufferAlone)
{
    DirectoryEntryRecord buffer{};
    ClearRecordBytes(&buffer, DirectoryEntryDescription);
    AssignFixed(buffer.Name, "mine");
    Queue queue(&buffer, DirectoryEntryDescription, sizeof buffer);
    ListDirectoryInto(queue, dir / "*.*", 0);
    EXPECT_GT(queue.count(), 0);
    EXPECT_EQ(TrimmedFixed(buffer.Name), "mine");
}

// Counts what a process without root's rights lists, from a forked child
// that gives root up first, so the test process keeps its own rights.
std::pair<int, int> CountsAsNobody(const std::string& locked, const std::string& open)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return {-1, -1};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        constexpr uid_t Nobody = 65534;
        if (::getuid() == 0 && (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0))
            ::_exit(2);
        DirectoryEntryRecord buffer{};
        Queue lockedQueue(&buffer, DirectoryEntryDescription, sizeof buffer);
        Queue openQueue(&buffer, DirectoryEntryDescription, sizeof buffer);
        ListDirectoryInto(lockedQueue, locked, 0);
        ListDirectoryInto(openQueue, open, 0);
        const int counts[2] = {lockedQueue.count(), openQueue.count()};
        const bool written = ::write(pipeEnds[1], counts, sizeof counts) == sizeof counts;
        ::_exit(written ? 0 : 3);
    }
    ::close(pipeEnds[1]);
    int counts[2] = {-1, -1};
    const bool read = ::read(pipeEnds[0], counts, sizeof counts) == sizeof counts;
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
    return read ? std::pair{counts[0], counts[1]} : std::pair{-1, -1};
}

TEST(DirectoryPermissionTest, UnreadableDirectoryGivesNothing)
{
    TempDirectory dir;
    ASSERT_FALSE(dir.path().empty());
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((dir / "locked").c_str(), 0700), 0);
    ASSERT_EQ(::mkdir((dir / "open").c_str(), 0755), 0);
    MakeFile(dir / "locked/secret.txt", "s", RecentSeconds);
    MakeFile(dir / "open/visible.txt", "v", RecentSeconds);
    // Others may pass through but not read it; nor may its owner.
    ASSERT_EQ(::chmod((dir / "locked").c_str(), 0311), 0);
    const auto [locked, open] = CountsAsNobody(dir / "locked/*.*", dir / "open/*.*");
    EXPECT_EQ(locked, 0);
    EXPECT_EQ(open, 1) << "the child could not list at all, so the first count proves nothing";
}

} // namespace
} // namespace dirdock
