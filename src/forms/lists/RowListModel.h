#pragma once

#include "data/lists/ListColumn.h"

#include <QAbstractTableModel>
#include <QStringList>

// A read-only list of rows a form already holds (a repair's part lines, the operators, the price
// list with changes not yet stored), under ListColumn captions and formats, so that the grids of
// the list mechanism show it as they show a ListModel. Cells are the texts the form gives, money
// as its shortest decimal text.
class RowListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit RowListModel(QList<ListColumn> columns, QObject *parent = nullptr);

    // Every row, each with its texts in the order of the columns.
    void setRows(QList<QStringList> rows);
    // One row again, in place.
    void setRow(int row, const QStringList &texts);
    QString text(int row, int column) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<ListColumn> m_columns;
    QList<QStringList> m_rows;
};
