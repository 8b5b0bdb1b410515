#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <optional>
#include <vector>

#include "runtime/data/DisplayPicture.h"
#include "runtime/data/ListFormat.h"
#include "runtime/qt/ListSnapshot.h"

namespace dirdock {

// A flat table over a list snapshot. Column n shows field n of the records,
// formatted with column n's picture only when a cell is asked for, so that
// a long list costs nothing for the rows nobody sees.
class ListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ListModel(const ListFormat& format, const DisplayLocale& locale, QObject* parent = nullptr);

    void setSnapshot(ListSnapshot snapshot);
    const ListSnapshot& snapshot() const { return m_snapshot; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The formatted text of one cell; empty when out of range.
    QString cellText(int row, int column) const;

private:
    struct Column {
        std::optional<DisplayPicture> picture;
        Qt::Alignment dataAlignment;
        Qt::Alignment headerAlignment;
        QString header;
    };

    QString formatField(const std::byte* record, int column) const;

    std::vector<Column> m_columns;
    DisplayLocale m_locale;
    ListSnapshot m_snapshot;
};

} // namespace dirdock
