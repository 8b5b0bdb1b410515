#include "DirectoryListing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "DateTimeNumber.h"
#include "FixedText.h"
#include "Records.h"
#include "ShortName.h"

namespace dirdock {

namespace {

constexpr char Separator = '/';
constexpr std::size_t ReadSize = 64 * 1024;

// Where the fields of a kernel directory entry lie (struct linux_dirent64):
// 8 bytes inode, 8 bytes offset, 2 bytes record length, 1 byte type, name.
constexpr std::size_t EntryLengthAt = 16;
constexpr std::size_t EntryTypeAt = 18;
constexpr std::size_t EntryNameAt = 19;
constexpr unsigned char TypeUnknown = 0;
constexpr unsigned char TypeRegular = 8;
constexpr unsigned char TypeLink = 10;

class DirectoryHandle {
public:
    explicit DirectoryHandle(const std::string& path)
        : m_fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
    }
    ~DirectoryHandle()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    DirectoryHandle(const DirectoryHandle&) = delete;
    DirectoryHandle& operator=(const DirectoryHandle&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

struct RawEntry {
    std::string name;
    unsigned char type;
};

std::string_view TrimTrailingBlanks(std::string_view text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// Reads every entry but "." and "..". A read that fails ends the list with
// what came before it.
std::vector<RawEntry> ReadEntries(int fd)
{
    std::vector<RawEntry> entries;
    std::vector<char> buffer(ReadSize);
    for (;;) {
        const long got = ::syscall(SYS_getdents64, fd, buffer.data(), buffer.size());
        if (got <= 0)
            return entries;
        std::size_t at = 0;
        while (at + EntryNameAt < static_cast<std::size_t>(got)) {
            std::uint16_t length;
            std::memcpy(&length, buffer.data() + at + EntryLengthAt, sizeof length);
            if (length <= EntryNameAt || at + length > static_cast<std::size_t>(got))
                return entries;
            const char* name = buffer.data() + at + EntryNameAt;
            const std::string_view nameView(name, strnlen(name, length - EntryNameAt));
            if (nameView != "." && nameView != "..")
                entries.push_back({std::string(nameView), static_cast<unsigned char>(buffer[at + EntryTypeAt])});
            at += length;
        }
    }
}

bool MayBePlainFile(unsigned char type)
{
    return type == TypeRegular || type == TypeLink || type == TypeUnknown;
}

// A plain file's status, following a link to its target.
bool PlainFileStatus(int fd, const std::string& name, struct stat& status)
{
    return ::fstatat(fd, name.c_str(), &status, 0) == 0 && S_ISREG(status.st_mode);
}

DirectoryEntryRecord MakeRecord(const std::string& name, const std::string& shortName, const struct stat& status)
{
    DirectoryEntryRecord record;
    AssignFixed(record.Name, name);
    AssignFixed(record.ShortName, shortName);
    const LocalDateTime when = ToLocalDateTime(status.st_mtim.tv_sec, status.st_mtim.tv_nsec);
    record.Date = when.date;
    record.Time = when.time;
    record.Size = status.st_size > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(status.st_size);
    record.Attrib = AttributeArchive;
    if ((status.st_mode & S_IWUSR) == 0)
        record.Attrib |= AttributeReadOnly;
    return record;
}

bool Selected(const RawEntry& entry, std::string_view pattern)
{
    return entry.name[0] != '.' && MayBePlainFile(entry.type) && MatchesPattern(pattern, entry.name);
}

struct SelectedEntry {
    std::size_t index;
    struct stat status;
};

std::vector<SelectedEntry> SelectPlainFiles(int fd, const std::vector<RawEntry>& entries, std::string_view pattern)
{
    std::vector<SelectedEntry> selected;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SelectedEntry entry{i, {}};
        if (Selected(entries[i], pattern) && PlainFileStatus(fd, entries[i].name, entry.status))
            selected.push_back(entry);
    }
    return selected;
}

// Short names are made over the whole directory, so a file's short name
// does not depend on the mask or on the order the entries come in.
std::vector<std::string> ShortNamesOf(const std::vector<RawEntry>& entries)
{
    std::vector<std::string_view> names;
    names.reserve(entries.size());
    for (const RawEntry& entry : entries)
        names.push_back(entry.name);
    return MakeShortNames(names);
}

void AppendSelected(Queue& queue, int fd, const std::vector<RawEntry>& entries, std::string_view pattern)
{
    const std::vector<SelectedEntry> selected = SelectPlainFiles(fd, entries, pattern);
    if (selected.empty())
        return;
    const std::vector<std::string> shortNames = ShortNamesOf(entries);
    // Room for exactly these records, so the queue holds no slack.
    queue.reserve(static_cast<std::size_t>(queue.count()) + selected.size());
    for (const SelectedEntry& entry : selected) {
        const DirectoryEntryRecord record =
            MakeRecord(entries[entry.index].name, shortNames[entry.index], entry.status);
        queue.addRecord(&record);
    }
}

} // namespace

void ListDirectoryInto(Queue& queue, std::string_view mask, std::int32_t attributes)
{
    if (attributes != 0 || queue.recordSize() != sizeof(DirectoryEntryRecord))
        return;
    mask = TrimTrailingBlanks(mask);
    if (mask.find('\0') != std::string_view::npos)
        return;
    const std::size_t split = mask.rfind(Separator);
    const std::string directory = split == std::string_view::npos ? "." : std::string(mask.substr(0, split + 1));
    const std::string_view pattern = split == std::string_view::npos ? mask : mask.substr(split + 1);
    if (pattern.empty())
        return;
    const DirectoryHandle handle(directory);
    if (handle.fd() < 0)
        return;
    // Running out of memory keeps the records appended so far.
    try {
        AppendSelected(queue, handle.fd(), ReadEntries(handle.fd()), pattern);
    } catch (const std::bad_alloc&) {
        return;
    }
}

} // namespace dirdock
