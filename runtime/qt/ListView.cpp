#include "ListView.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

#include "ListHeader.h"
#include "ListItemDelegate.h"
#include "ListModel.h"

namespace dirdock {

ListView::ListView(const ListFormat& format, const DialogUnits& units, const DisplayLocale& locale, QWidget* parent)
    : ListView(new ListModel(format, locale), format, units, parent)
{
}

ListView::ListView(ListModel* model, const ListFormat& format, const DialogUnits& units, QWidget* parent)
    : QTreeView(parent), m_format(format), m_units(units), m_model(model)
{
    m_model->setParent(this);
    setHeader(new ListHeader(this));
    setModel(m_model);
    setUpView();
    setUpColumns();
    setUpFirstColumnBar();
}

void ListView::setUpView()
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(false);
    setAllColumnsShowFocus(true);
    // The procedure sorts; the view only reports which header was pressed.
    setSortingEnabled(false);
    header()->setSortIndicatorShown(false);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header()->setMinimumSectionSize(m_units.toPixelsX(4));
    connect(header(), &QHeaderView::sectionPressed, this, &ListView::onSectionPressed);
}

void ListView::setUpColumns()
{
    std::vector<ListColumnLook> looks;
    for (std::size_t i = 0; i < m_format.columns.size(); ++i) {
        const ListColumn& column = m_format.columns[i];
        const int section = static_cast<int>(i);
        header()->setSectionResizeMode(section, column.resizable ? QHeaderView::Interactive : QHeaderView::Fixed);
        header()->resizeSection(section, m_units.toPixelsX(column.width));
        looks.push_back(ListColumnLook{m_units.toPixelsX(column.indent), column.rightLine});
    }
    setItemDelegate(new ListItemDelegate(std::move(looks), this));
}

void ListView::setUpFirstColumnBar()
{
    if (m_format.columns.empty() || m_format.columns.front().scrollWidth <= 0)
        return;
    m_firstColumnBar = new QScrollBar(Qt::Horizontal, this);
    m_firstColumnBar->setObjectName(QStringLiteral("firstColumnScrollBar"));
    m_firstColumnBar->hide();
    auto* delegate = static_cast<ListItemDelegate*>(itemDelegate());
    delegate->setFirstColumnScroll(m_firstColumnBar, m_units.toPixelsX(m_format.columns.front().scrollWidth));
    connect(m_firstColumnBar, &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
    connect(header(), &QHeaderView::sectionResized, this, [this](int section) {
        if (section == 0)
            updateGeometries();
    });
    updateGeometries();
}

void ListView::setSnapshot(ListSnapshot snapshot)
{
    const int current = currentIndex().row();
    m_model->setSnapshot(std::move(snapshot));
    if (current >= 0 && current < m_model->rowCount())
        setCurrentIndex(m_model->index(current, 0));
}

std::int32_t ListView::clickRow() const
{
    return m_clickRow;
}

QString ListView::clickColumn() const
{
    return m_clickColumn;
}

void ListView::setClickRow(std::int32_t row)
{
    m_clickRow = row;
}

QString ListView::selectedRowText() const
{
    const int row = currentIndex().row();
    if (row < 0)
        return {};
    QStringList cells;
    for (int column = 0; column < m_model->columnCount(); ++column)
        cells << m_model->cellText(row, column);
    return cells.join(QLatin1Char('\t'));
}

std::int32_t ListView::rowCount() const
{
    return m_model->rowCount();
}

// A press on a row is recorded before the view selects it, and reported
// after, so that whoever listens sees the row selected.
void ListView::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = event->button() == Qt::LeftButton ? indexAt(event->position().toPoint()) : QModelIndex();
    if (index.isValid())
        recordPress(index.row() + 1, index.column() + 1);
    QTreeView::mousePressEvent(event);
    if (index.isValid())
        emit pressRecorded();
}

// The header reports no press for a press that starts dragging a column edge.
void ListView::onSectionPressed(int logicalIndex)
{
    recordPress(0, logicalIndex + 1);
    emit pressRecorded();
}

void ListView::recordPress(std::int32_t row, int column)
{
    m_clickRow = row;
    m_clickColumn = QString::number(column);
}

void ListView::resizeEvent(QResizeEvent* event)
{
    QTreeView::resizeEvent(event);
    placeFirstColumnBar();
}

// The tree view sets the top margin for its header; the bottom margin
// makes room for the first column's own scroll bar.
void ListView::updateGeometries()
{
    QTreeView::updateGeometries();
    if (m_firstColumnBar == nullptr || m_placingBar)
        return;
    m_placingBar = true;
    const int columnWidth = header()->sectionSize(0);
    const int contentWidth = m_units.toPixelsX(m_format.columns.front().scrollWidth);
    const bool needed = contentWidth > columnWidth;
    m_firstColumnBar->setRange(0, std::max(0, contentWidth - columnWidth));
    m_firstColumnBar->setPageStep(std::max(1, columnWidth));
    m_firstColumnBar->setSingleStep(std::max(1, m_units.toPixelsX(4)));
    const int barHeight = needed ? m_firstColumnBar->sizeHint().height() : 0;
    const QMargins margins = viewportMargins();
    if (margins.bottom() != barHeight)
        setViewportMargins(margins.left(), margins.top(), margins.right(), barHeight);
    m_firstColumnBar->setVisible(needed);
    placeFirstColumnBar();
    m_placingBar = false;
}

void ListView::scrollContentsBy(int dx, int dy)
{
    QTreeView::scrollContentsBy(dx, dy);
    if (dx != 0)
        placeFirstColumnBar();
}

// Under the first column, over its visible part, just below the rows.
void ListView::placeFirstColumnBar()
{
    if (m_firstColumnBar == nullptr || !m_firstColumnBar->isVisibleTo(this))
        return;
    const QRect area = viewport()->geometry();
    const int left = std::max(0, header()->sectionViewportPosition(0));
    const int right = std::min(area.width(), header()->sectionViewportPosition(0) + header()->sectionSize(0));
    const int height = m_firstColumnBar->sizeHint().height();
    m_firstColumnBar->setGeometry(area.left() + left, area.bottom() + 1, std::max(0, right - left), height);
}

} // namespace dirdock
