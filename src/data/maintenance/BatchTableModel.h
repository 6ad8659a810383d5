#pragma once

#include "data/db/ColumnType.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class Database;
class ListModel;

// Every column of one table in an editable grid, the changes held as one batch: edits, new rows
// and deletions stay in the model until send() writes them in one transaction, or discard() drops
// them. The stored rows are read a page at a time as the grid scrolls (the list mechanism's paging
// by row key), so a table of a million rows opens at once.
//
// Values are shown and typed as text, converted through the schema registry: money as its
// shortest decimal text, yes/no as True/False, dates as yyyy-MM-dd. A typed value that does not fit
// its column's type is refused when the batch is sent, and then nothing is written.
class BatchTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Throws DbError when the table is not one of the schema's, or the engine fails.
    BatchTableModel(Database &db, const QString &table, QObject *parent = nullptr);
    ~BatchTableModel() override;

    const QString &table() const { return m_table.name; }
    QStringList columnNames() const { return m_table.columnNames(); }

    // An empty row at the end of the grid; returns its row.
    int appendRow();
    // Marks the row deleted (a new row is simply dropped); false when there is no such row.
    bool deleteRow(int row);
    bool hasPendingChanges() const;
    // Why the batch cannot be sent, worded for the operator (the first value that does not fit
    // its column, by table, row and column), or nullopt.
    std::optional<QString> refusal() const;
    // Writes the batch in one transaction and lists the table again. Throws DbError when a value
    // is refused or the engine fails: nothing is written then and the changes stay.
    void send();
    // Drops the batch and lists the table again.
    void discard();

    // How many rows the grid holds when scrolled to the end, the batch included.
    qint64 totalRows() const;
    // Every row as the grid shows it (the batch included), in order, read from the file in one
    // pass and kept nowhere. Stops when visit returns false; returns false then.
    bool visitRows(const std::function<bool(const QStringList &texts)> &visit) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent = QModelIndex()) const override;
    void fetchMore(const QModelIndex &parent = QModelIndex()) override;

private:
    int storedShown() const; // the stored rows fetched and not deleted
    int storedIndex(int row) const; // the row of the paged list behind a grid row
    int gridRow(int storedIndex) const;
    QString shownText(int storedIndex, int column) const;
    QString storedText(const QString &raw, int column) const;
    std::optional<QString> refusalOf(const QString &text, int column, int row) const;
    QVariant stored(const QString &text, int column) const; // the value written; the text fits
    void relist();

    Database &m_db;
    TableDef m_table;
    std::unique_ptr<ListModel> m_stored;
    QHash<qint64, QHash<int, QString>> m_edits; // row key -> column -> text typed
    std::vector<int> m_deleted;                 // rows of the paged list, ascending
    QSet<qint64> m_deletedKeys;
    std::vector<QStringList> m_added;
};
