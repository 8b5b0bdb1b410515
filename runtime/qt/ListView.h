#pragma once

#include <QString>
#include <QTreeView>

#include <cstdint>

#include "runtime/data/DisplayPicture.h"
#include "runtime/data/ListFormat.h"
#include "runtime/qt/DialogUnits.h"
#include "runtime/qt/ListSnapshot.h"

class QScrollBar;

namespace dirdock {

class ListModel;

// The list control of a window: columns laid out from a list format, rows
// in queue order, presses on headers and rows recorded for the procedure.
class ListView : public QTreeView {
    Q_OBJECT
public:
    ListView(const ListFormat& format, const DialogUnits& units, const DisplayLocale& locale,
             QWidget* parent = nullptr);
    // The same over a model of the caller's, which the view takes over.
    ListView(ListModel* model, const ListFormat& format, const DialogUnits& units,
             QWidget* parent = nullptr);

    // Rows in queue order; keeps the current row when it still exists.
    void setSnapshot(ListSnapshot snapshot);
    // Last press: row from 1, 0 = header; 0 before any press.
    std::int32_t clickRow() const;
    // Its column as decimal text ("1".."5"), "" before any press.
    QString clickColumn() const;
    void setClickRow(std::int32_t row);
    // The current row's cells, tab-separated, for the clipboard.
    QString selectedRowText() const;
    std::int32_t rowCount() const;

    ListModel* listModel() const { return m_model; }
    // Column 1's own sideways scroll bar, for those that lay out or test it.
    QScrollBar* firstColumnScrollBar() const { return m_firstColumnBar; }

signals:
    // Emitted after a press on a header or a row was recorded; for a row,
    // after the view has selected it.
    void pressRecorded();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void setUpView();
    void setUpColumns();
    void setUpFirstColumnBar();
    void placeFirstColumnBar();
    void onSectionPressed(int logicalIndex);
    void recordPress(std::int32_t row, int column);

    ListFormat m_format;
    DialogUnits m_units;
    ListModel* m_model = nullptr;
    QScrollBar* m_firstColumnBar = nullptr;
    bool m_placingBar = false;
    std::int32_t m_clickRow = 0;
    QString m_clickColumn;
};

} // namespace dirdock
