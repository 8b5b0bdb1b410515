#include "ListFormat.h"

#include "DisplayPicture.h"

namespace dirdock {

namespace {

// Widths, indents and scroll widths are dialog units; no window is wider.
constexpr int MaxUnits = 32767;

struct FormatError {
    ListFormatError error;
};

// Reads the format text left to right; every read checks the end first.
class FormatReader {
public:
    explicit FormatReader(std::string_view text) : m_text(text) {}

    bool atEnd() const { return m_at >= m_text.size(); }

    bool take(char c)
    {
        if (atEnd() || m_text[m_at] != c)
            return false;
        ++m_at;
        return true;
    }

    void expect(char c, const char* what)
    {
        if (!take(c))
            fail(what);
    }

    int number(const char* what)
    {
        const std::size_t start = m_at;
        long value = 0;
        while (!atEnd() && m_text[m_at] >= '0' && m_text[m_at] <= '9') {
            value = value * 10 + (m_text[m_at] - '0');
            if (value > MaxUnits)
                fail(start, "number larger than 32767");
            ++m_at;
        }
        if (m_at == start)
            fail(what);
        return static_cast<int>(value);
    }

    // Text up to the closing character, which is consumed.
    std::string until(char close, const char* what)
    {
        const std::size_t end = m_text.find(close, m_at);
        if (end == std::string_view::npos) {
            m_at = m_text.size();
            fail(what);
        }
        std::string text(m_text.substr(m_at, end - m_at));
        m_at = end + 1;
        return text;
    }

    std::size_t position() const { return m_at; }
    [[noreturn]] void fail(const char* what) const { fail(m_at, what); }
    [[noreturn]] static void fail(std::size_t at, const char* what) { throw FormatError{{at, what}}; }

private:
    std::string_view m_text;
    std::size_t m_at = 0;
};

char TakeAlignment(FormatReader& reader, std::string_view letters)
{
    for (const char letter : letters) {
        if (reader.take(letter))
            return letter;
    }
    return 0;
}

void ReadFlags(FormatReader& reader, ListColumn& column)
{
    for (;;) {
        if (reader.take('|'))
            column.rightLine = true;
        else if (reader.take('M'))
            column.resizable = true;
        else
            return;
    }
}

void ReadPicture(FormatReader& reader, ListColumn& column)
{
    reader.expect('@', "expected '@' to open the display picture");
    const std::size_t start = reader.position();
    column.picture = reader.until('@', "expected '@' to close the display picture");
    if (!DisplayPicture::parse(column.picture))
        FormatReader::fail(start, "unknown display picture");
}

ListColumn ReadColumn(FormatReader& reader)
{
    ListColumn column;
    column.width = reader.number("expected a column width");
    column.dataAlignment = TakeAlignment(reader, "LR");
    if (!column.dataAlignment)
        reader.fail("expected data alignment 'L' or 'R'");
    if (reader.take('(')) {
        column.indent = reader.number("expected an indent");
        reader.expect(')', "expected ')' after the indent");
    }
    ReadFlags(reader, column);
    if (reader.take('~')) {
        column.header = reader.until('~', "expected '~' to close the header");
        column.headerAlignment = TakeAlignment(reader, "LRC");
    }
    if (reader.take('S')) {
        reader.expect('(', "expected '(' after 'S'");
        column.scrollWidth = reader.number("expected a scroll width");
        reader.expect(')', "expected ')' after the scroll width");
    }
    ReadPicture(reader, column);
    return column;
}

} // namespace

ListFormat ListFormat::parse(std::string_view format)
{
    ListFormat result;
    FormatReader reader(format);
    try {
        do {
            result.columns.push_back(ReadColumn(reader));
        } while (!reader.atEnd());
    } catch (const FormatError& failure) {
        result.columns.clear();
        result.error = failure.error;
    }
    return result;
}

} // namespace dirdock
