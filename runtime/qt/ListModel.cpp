#include "ListModel.h"

#include <string>
#include <string_view>

namespace dirdock {

namespace {

Qt::Alignment dataAlignmentOf(char letter)
{
    const Qt::Alignment horizontal = letter == 'R' ? Qt::AlignRight : Qt::AlignLeft;
    return horizontal | Qt::AlignVCenter;
}

Qt::Alignment headerAlignmentOf(char letter)
{
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (letter == 'R')
        horizontal = Qt::AlignRight;
    else if (letter == 'C')
        horizontal = Qt::AlignHCenter;
    return horizontal | Qt::AlignVCenter;
}

// Numbers are stored little-endian whatever the host.
std::int64_t readNumber(const std::byte* bytes, const FieldLayout& field)
{
    if (field.type == FieldType::UInt8)
        return std::to_integer<std::uint8_t>(bytes[0]);
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= std::uint32_t{std::to_integer<std::uint8_t>(bytes[i])} << (8 * i);
    return static_cast<std::int32_t>(value);
}

std::size_t numberLength(FieldType type)
{
    return type == FieldType::UInt8 ? 1 : 4;
}

std::string_view withoutTrailingBlanks(std::string_view text)
{
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

std::string formatText(const std::optional<DisplayPicture>& picture, std::string_view text)
{
    if (picture && picture->kind == DisplayPicture::Kind::Text)
        return picture->formatText(text);
    // A text shown through a number picture, or no usable picture at all:
    // show the text with its control characters made visible, uncut.
    DisplayPicture plain;
    plain.width = static_cast<int>(text.size());
    return plain.formatText(text);
}

} // namespace

ListModel::ListModel(const ListFormat& format, const DisplayLocale& locale, QObject* parent)
    : QAbstractTableModel(parent), m_locale(locale)
{
    m_columns.reserve(format.columns.size());
    for (const ListColumn& column : format.columns) {
        m_columns.push_back(Column{DisplayPicture::parse(column.picture), dataAlignmentOf(column.dataAlignment),
                                   headerAlignmentOf(column.headerAlignment),
                                   QString::fromStdString(column.header)});
    }
}

void ListModel::setSnapshot(ListSnapshot snapshot)
{
    beginResetModel();
    m_snapshot = std::move(snapshot);
    endResetModel();
}

int ListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_snapshot.count();
}

int ListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this || index.row() >= m_snapshot.count()
        || index.column() >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return cellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(m_columns[static_cast<std::size_t>(index.column())].dataAlignment);
    return {};
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const Column& column = m_columns[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole)
        return column.header;
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(column.headerAlignment);
    return {};
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

QString ListModel::cellText(int row, int column) const
{
    const std::byte* record = m_snapshot.record(row);
    if (record == nullptr || column < 0 || column >= columnCount())
        return {};
    return formatField(record, column);
}

QString ListModel::formatField(const std::byte* record, int column) const
{
    const auto number = static_cast<std::size_t>(column);
    if (number >= m_snapshot.fields.size())
        return {};
    const FieldLayout& field = m_snapshot.fields[number];
    const std::optional<DisplayPicture>& picture = m_columns[number].picture;
    if (field.type == FieldType::Text) {
        if (field.offset > m_snapshot.recordSize || field.length > m_snapshot.recordSize - field.offset)
            return {};
        const std::string_view text(reinterpret_cast<const char*>(record + field.offset), field.length);
        return QString::fromStdString(formatText(picture, withoutTrailingBlanks(text)));
    }
    const std::size_t length = numberLength(field.type);
    if (field.offset > m_snapshot.recordSize || length > m_snapshot.recordSize - field.offset)
        return {};
    const std::int64_t value = readNumber(record + field.offset, field);
    if (picture && picture->kind != DisplayPicture::Kind::Text)
        return QString::fromStdString(picture->formatNumber(value, m_locale));
    return QString::fromStdString(formatText(picture, std::to_string(value)));
}

} // namespace dirdock
