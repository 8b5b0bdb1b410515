#pragma once

#include <QPointer>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <vector>

namespace dirdock {

// How one column of a list paints besides its text.
struct ListColumnLook {
    int indent = 0;          // pixels between the cell edge and the text, on the aligned side
    bool rightLine = false;  // a vertical line at the cell's right edge
};

// Paints the cells of a list: the text indented and clipped to its cell,
// a line at the right edge of the columns that have one, and the first
// column's text shifted by that column's own scroll bar.
class ListItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ListItemDelegate(std::vector<ListColumnLook> looks, QObject* parent = nullptr);

    // The first column's scroll bar and the width its content spans.
    void setFirstColumnScroll(QScrollBar* bar, int contentWidth);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The look of a column from 0; the plain look for any other number.
    ListColumnLook look(int column) const;

private:
    QRect textRect(const QRect& cell, int column) const;
    static void paintRightLine(QPainter* painter, const QStyleOptionViewItem& option);

    std::vector<ListColumnLook> m_looks;
    QPointer<QScrollBar> m_firstColumnBar;
    int m_firstColumnContentWidth = 0;
};

} // namespace dirdock
