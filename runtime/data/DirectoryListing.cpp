#include "DirectoryListing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <future>
#include <new>
#include <string>
#include <system_error>
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

// The names a directory delivered, kept back to back in one buffer, each
// followed by a zero so that it can be handed to fstatat as it is.
struct RawEntries {
    struct Entry {
        std::size_t nameAt;
        std::size_t nameLength;
        unsigned char type;
    };
    std::string names;
    std::vector<Entry> entries;

    const char* name(std::size_t i) const { return names.data() + entries[i].nameAt; }
    std::string_view nameView(std::size_t i) const { return {name(i), entries[i].nameLength}; }
    std::size_t size() const { return entries.size(); }
};

std::string_view TrimTrailingBlanks(std::string_view text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// Appends the entries of one getdents64 answer; false when it is damaged.
bool TakeEntries(RawEntries& raw, const char* buffer, std::size_t got)
{
    std::size_t at = 0;
    while (at + EntryNameAt < got) {
        std::uint16_t length;
        std::memcpy(&length, buffer + at + EntryLengthAt, sizeof length);
        if (length <= EntryNameAt || at + length > got)
            return false;
        const char* name = buffer + at + EntryNameAt;
        const std::string_view nameView(name, strnlen(name, length - EntryNameAt));
        if (nameView != "." && nameView != "..") {
            raw.entries.push_back({raw.names.size(), nameView.size(), static_cast<unsigned char>(buffer[at + EntryTypeAt])});
            raw.names.append(nameView);
            raw.names.push_back('\0');
        }
        at += length;
    }
    return true;
}

// Reads every entry but "." and "..". A read that fails ends the list with
// what came before it.
RawEntries ReadEntries(int fd)
{
    RawEntries raw;
    std::vector<char> buffer(ReadSize);
    for (;;) {
        const long got = ::syscall(SYS_getdents64, fd, buffer.data(), buffer.size());
        if (got <= 0 || !TakeEntries(raw, buffer.data(), static_cast<std::size_t>(got)))
            return raw;
    }
}

bool MayBePlainFile(unsigned char type)
{
    return type == TypeRegular || type == TypeLink || type == TypeUnknown;
}

// A plain file's status, following a link to its target.
bool PlainFileStatus(int fd, const char* name, struct stat& status)
{
    return ::fstatat(fd, name, &status, 0) == 0 && S_ISREG(status.st_mode);
}

// What a listed file's record takes from its status, worked out while the
// short names are still being made.
struct SelectedEntry {
    std::size_t index;
    LocalDateTime modified;
    std::int32_t size;
    std::uint8_t attributes;
};

SelectedEntry Describe(std::size_t index, const struct stat& status)
{
    SelectedEntry entry{index, ToLocalDateTime(status.st_mtim.tv_sec, status.st_mtim.tv_nsec), 0, AttributeArchive};
    entry.size = status.st_size > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(status.st_size);
    if ((status.st_mode & S_IWUSR) == 0)
        entry.attributes |= AttributeReadOnly;
    return entry;
}

DirectoryEntryRecord MakeRecord(std::string_view name, std::string_view shortName, const SelectedEntry& entry)
{
    DirectoryEntryRecord record;
    AssignFixed(record.Name, name);
    AssignFixed(record.ShortName, shortName);
    record.Date = entry.modified.date;
    record.Time = entry.modified.time;
    record.Size = entry.size;
    record.Attrib = entry.attributes;
    return record;
}

bool Selected(std::string_view name, unsigned char type, std::string_view pattern)
{
    return !name.empty() && name[0] != '.' && MayBePlainFile(type) && MatchesPattern(pattern, name);
}

std::vector<SelectedEntry> SelectPlainFiles(int fd, const RawEntries& raw, std::string_view pattern)
{
    std::vector<SelectedEntry> selected;
    struct stat status;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (Selected(raw.nameView(i), raw.entries[i].type, pattern) && PlainFileStatus(fd, raw.name(i), status))
            selected.push_back(Describe(i, status));
    }
    return selected;
}

// Short names are made over the whole directory, so a file's short name
// does not depend on the mask or on the order the entries come in.
std::vector<std::string> ShortNamesOf(const RawEntries& raw)
{
    std::vector<std::string_view> names;
    names.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i)
        names.push_back(raw.nameView(i));
    return MakeShortNames(names);
}

// Short names need only the names, and the status calls only the kernel,
// so the two run side by side; without a thread to spare they run in turn.
std::future<std::vector<std::string>> StartShortNames(const RawEntries& raw)
{
    try {
        return std::async(std::launch::async, [&raw] { return ShortNamesOf(raw); });
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, [&raw] { return ShortNamesOf(raw); });
    }
}

void AppendSelected(Queue& queue, int fd, const RawEntries& raw, std::string_view pattern)
{
    std::future<std::vector<std::string>> pendingShortNames = StartShortNames(raw);
    const std::vector<SelectedEntry> selected = SelectPlainFiles(fd, raw, pattern);
    const std::vector<std::string> shortNames = pendingShortNames.get();
    if (selected.empty())
        return;
    // Room for exactly these records, so the queue holds no slack.
    queue.reserve(static_cast<std::size_t>(queue.count()) + selected.size());
    for (const SelectedEntry& entry : selected) {
        const DirectoryEntryRecord record = MakeRecord(raw.nameView(entry.index), shortNames[entry.index], entry);
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
