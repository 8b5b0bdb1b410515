#include "ShortName.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <unordered_map>

namespace dirdock {

namespace {

constexpr std::size_t BaseLimit = 8;
constexpr std::size_t ExtensionLimit = 3;
constexpr std::size_t GeneratedBaseLimit = 6;

bool IsShortNameChar(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80)
        return false;
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    return std::string_view("!#$%&'()-@^_`{}~").find(c) != std::string_view::npos;
}

char ToUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool AllShortNameChars(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), IsShortNameChar);
}

// A short name or a stem, held in place in sixteen bytes: every name made
// here is at most 8 + 1 + 3 characters, and fifteen leave room for any
// number a directory can reach.
struct ShortKey {
    std::array<char, 15> bytes{};
    std::uint8_t length = 0;

    void append(std::string_view text)
    {
        const std::size_t room = std::min(text.size(), bytes.size() - length);
        std::memcpy(bytes.data() + length, text.data(), room);
        length = static_cast<std::uint8_t>(length + room);
    }
    std::string_view view() const { return {bytes.data(), length}; }
    bool operator==(const ShortKey& other) const { return view() == other.view(); }
};

struct ShortKeyHash {
    // FNV-1a: short keys need no more.
    std::size_t operator()(const ShortKey& key) const
    {
        std::uint64_t hash = 14695981039346656037ull;
        for (std::size_t i = 0; i < key.length; ++i)
            hash = (hash ^ static_cast<unsigned char>(key.bytes[i])) * 1099511628211ull;
        return static_cast<std::size_t>(hash ^ (hash >> 29));
    }
};

// Upper case; blanks and dots dropped; anything a short name cannot hold
// becomes "_"; at most limit characters kept.
void AppendClean(ShortKey& out, std::string_view part, std::size_t limit)
{
    std::size_t kept = 0;
    for (const char c : part) {
        if (kept == limit)
            return;
        if (c == ' ' || c == '.')
            continue;
        const char shown = IsShortNameChar(c) ? ToUpper(c) : '_';
        out.append({&shown, 1});
        ++kept;
    }
}

struct CleanName {
    ShortKey base;      // first six characters
    ShortKey extension; // first three characters of the last extension
};

CleanName Clean(std::string_view name)
{
    CleanName clean;
    const std::size_t dot = name.rfind('.');
    AppendClean(clean.base, name.substr(0, dot), GeneratedBaseLimit);
    if (dot != std::string_view::npos)
        AppendClean(clean.extension, name.substr(dot + 1), ExtensionLimit);
    return clean;
}

ShortKey Generated(const CleanName& clean, unsigned number)
{
    char digits[12];
    std::size_t tail = sizeof digits;
    do {
        digits[--tail] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number > 0);
    digits[--tail] = '~';
    const std::string_view numbered(digits + tail, sizeof digits - tail);
    const std::size_t baseRoom = BaseLimit > numbered.size() ? BaseLimit - numbered.size() : 0;
    ShortKey result;
    result.append(clean.base.view().substr(0, baseRoom));
    result.append(numbered);
    if (clean.extension.length > 0) {
        result.append(".");
        result.append(clean.extension.view());
    }
    return result;
}

ShortKey UpperCase(std::string_view name)
{
    ShortKey key;
    for (const char c : name) {
        const char upper = ToUpper(c);
        key.append({&upper, 1});
    }
    return key;
}

// An open-addressing set of short keys: one flat array, no allocation per
// name, which keeps a directory of many files quick.
class ShortKeySet {
public:
    explicit ShortKeySet(std::size_t names)
    {
        std::size_t capacity = 16;
        while (capacity < names * 2)
            capacity *= 2;
        m_slots.resize(capacity);
    }

    // The slot of key, or the empty slot where it belongs.
    ShortKey& slot(const ShortKey& key)
    {
        if (m_used * 2 >= m_slots.size())
            grow();
        return find(key);
    }

    bool insert(const ShortKey& key)
    {
        ShortKey& place = slot(key);
        if (place.length != 0)
            return false;
        place = key;
        ++m_used;
        return true;
    }

private:
    ShortKey& find(const ShortKey& key)
    {
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t at = ShortKeyHash{}(key) & mask;; at = (at + 1) & mask) {
            if (m_slots[at].length == 0 || m_slots[at] == key)
                return m_slots[at];
        }
    }

    void grow()
    {
        std::vector<ShortKey> old(m_slots.size() * 2);
        old.swap(m_slots);
        for (const ShortKey& key : old) {
            if (key.length != 0)
                find(key) = key;
        }
    }

    std::vector<ShortKey> m_slots;
    std::size_t m_used = 0;
};

// Hands out generated names that collide with no name already taken. The
// next number to try is kept per stem, so many similar names stay linear.
class ShortNameMaker {
public:
    explicit ShortNameMaker(std::size_t names) : m_taken(names) { m_nextNumber.reserve(names / 4 + 1); }

    bool claim(const ShortKey& name) { return m_taken.insert(name); }

    ShortKey generate(std::string_view longName)
    {
        const CleanName clean = Clean(longName);
        ShortKey stem = clean.base;
        stem.append(".");
        stem.append(clean.extension.view());
        unsigned& number = m_nextNumber[stem];
        for (;;) {
            ++number;
            const ShortKey candidate = Generated(clean, number);
            if (claim(candidate))
                return candidate;
        }
    }

private:
    ShortKeySet m_taken;
    std::unordered_map<ShortKey, unsigned, ShortKeyHash> m_nextNumber;
};

// The first eight bytes as a big-endian number: comparing these first
// settles most pairs without touching the names again.
std::uint64_t Prefix(std::string_view name)
{
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < 8; ++i)
        prefix = (prefix << 8) | (i < name.size() ? static_cast<unsigned char>(name[i]) : 0u);
    return prefix;
}

std::vector<std::size_t> ByteOrder(const std::vector<std::string_view>& names)
{
    struct Entry {
        std::uint64_t prefix;
        std::size_t index;
    };
    std::vector<Entry> entries(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        entries[i] = {Prefix(names[i]), i};
    std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        const int byName = names[a.index].compare(names[b.index]);
        return byName != 0 ? byName < 0 : a.index < b.index;
    });
    std::vector<std::size_t> order(names.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        order[i] = entries[i].index;
    return order;
}

} // namespace

bool IsValidShortName(std::string_view name)
{
    const std::size_t dot = name.find('.');
    const std::string_view base = name.substr(0, dot);
    if (base.empty() || base.size() > BaseLimit || !AllShortNameChars(base))
        return false;
    if (dot == std::string_view::npos)
        return true;
    const std::string_view extension = name.substr(dot + 1);
    return !extension.empty() && extension.size() <= ExtensionLimit && AllShortNameChars(extension);
}

std::vector<std::string> MakeShortNames(const std::vector<std::string_view>& longNames)
{
    const std::vector<std::size_t> order = ByteOrder(longNames);
    std::vector<std::string> result(longNames.size());
    std::vector<bool> keepsOwnName(longNames.size(), false);
    ShortNameMaker maker(longNames.size());
    // Names that already are short names keep them, first in byte order
    // winning when two differ in case only; the rest are generated after.
    for (const std::size_t i : order) {
        if (!IsValidShortName(longNames[i]))
            continue;
        const ShortKey own = UpperCase(longNames[i]);
        if (maker.claim(own)) {
            result[i] = own.view();
            keepsOwnName[i] = true;
        }
    }
    for (const std::size_t i : order) {
        if (!keepsOwnName[i])
            result[i] = maker.generate(longNames[i]).view();
    }
    return result;
}

} // namespace dirdock
