#include "ListHeader.h"

#include <QMouseEvent>
#include <QStyle>

#include <utility>

namespace dirdock {

ListHeader::ListHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    connect(this, &QHeaderView::sectionPressed, this, [this] { m_pressReported = true; });
}

void ListHeader::mousePressEvent(QMouseEvent* event)
{
    m_pressReported = false;
    QHeaderView::mousePressEvent(event);
    if (m_pressReported || event->button() != Qt::LeftButton || !sectionsClickable())
        return;
    const int position = event->position().toPoint().x();
    const int section = logicalIndexAt(position);
    if (section >= 0 && !grabsResizableEdge(position))
        emit sectionPressed(section);
}

bool ListHeader::grabsResizableEdge(int position) const
{
    const int section = edgeSectionAt(position);
    return section >= 0 && sectionResizeMode(section) == QHeaderView::Interactive;
}

// The section whose right edge lies within the grip margin of the position,
// or -1. Near a section's left edge that is the visible section before it.
int ListHeader::edgeSectionAt(int position) const
{
    const int visual = visualIndexAt(position);
    if (visual < 0)
        return -1;
    const int section = logicalIndex(visual);
    const int start = sectionViewportPosition(section);
    const int grip = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, this);
    bool nearStart = position < start + grip;
    bool nearEnd = position > start + sectionSize(section) - grip;
    if (isRightToLeft())
        std::swap(nearStart, nearEnd);
    if (nearStart) {
        for (int before = visual - 1; before >= 0; --before) {
            if (!isSectionHidden(logicalIndex(before)))
                return logicalIndex(before);
        }
        return -1;
    }
    return nearEnd ? section : -1;
}

} // namespace dirdock
