#include "ListItemDelegate.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace dirdock {

ListItemDelegate::ListItemDelegate(std::vector<ListColumnLook> looks, QObject* parent)
    : QStyledItemDelegate(parent), m_looks(std::move(looks))
{
}

void ListItemDelegate::setFirstColumnScroll(QScrollBar* bar, int contentWidth)
{
    m_firstColumnBar = bar;
    m_firstColumnContentWidth = contentWidth;
}

void ListItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    const ListColumnLook columnLook = look(index.column());
    const bool selected = opt.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group = opt.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    painter->save();
    painter->setClipRect(columnLook.rightLine ? opt.rect.adjusted(0, 0, -1, 0) : opt.rect);
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(textRect(opt.rect, index.column()), static_cast<int>(opt.displayAlignment | Qt::TextSingleLine),
                      text);
    painter->restore();
    if (columnLook.rightLine)
        paintRightLine(painter, opt);
}

ListColumnLook ListItemDelegate::look(int column) const
{
    if (column < 0 || static_cast<std::size_t>(column) >= m_looks.size())
        return {};
    return m_looks[static_cast<std::size_t>(column)];
}

// The first column lays its text out over its whole content width and
// shows the part its scroll bar points at.
QRect ListItemDelegate::textRect(const QRect& cell, int column) const
{
    QRect content = cell;
    if (column == 0 && m_firstColumnBar) {
        content.setWidth(std::max(cell.width(), m_firstColumnContentWidth));
        content.translate(-m_firstColumnBar->value(), 0);
    }
    const int indent = look(column).indent;
    return content.adjusted(indent, 0, -indent, 0);
}

void ListItemDelegate::paintRightLine(QPainter* painter, const QStyleOptionViewItem& option)
{
    painter->save();
    painter->setPen(option.palette.color(QPalette::Mid));
    painter->drawLine(option.rect.right(), option.rect.top(), option.rect.right(), option.rect.bottom());
    painter->restore();
}

} // namespace dirdock
